#include "capitalizationcontroller.h"

#include "app/editorcontroller.h"
#include "app/settings.h"
#include "batch/titlecase.h"
#include "model/song.h"

using namespace SettingsKeys;

namespace {

const std::initializer_list<const char *> styleKeys = {CAPITALIZATION_TITLE_CASE, CAPITALIZATION_UPPER_CASE,
                                                       CAPITALIZATION_LOWER_CASE};

QString converted(const QString &text, CapitalizationController::Style style)
{
    switch (style) {
    case CapitalizationController::Style::TitleCase:
        return titlecaseString(text);
    case CapitalizationController::Style::UpperCase:
        return text.toUpper();
    case CapitalizationController::Style::LowerCase:
        return text.toLower();
    case CapitalizationController::Style::None:
        break;
    }
    return text;
}

} // namespace

CapitalizationController::CapitalizationController(EditorController &controller)
    : m_controller(controller)
{}

void CapitalizationController::selectTitleCase()
{
    Settings::setExclusive(styleKeys, 0);
}

void CapitalizationController::selectUpperCase()
{
    Settings::setExclusive(styleKeys, 1);
}

void CapitalizationController::selectLowerCase()
{
    Settings::setExclusive(styleKeys, 2);
}

CapitalizationController::Style CapitalizationController::chosenStyle()
{
    // The enum follows the keys' order, None before them.
    return Style(Settings::firstTrue(styleKeys) + 1);
}

void CapitalizationController::applyCapitalizationToSongs()
{
    const Style style = chosenStyle();
    if (style == Style::None)
        return;
    for (Song *song : m_controller.selectedSongs()) {
        song->setTitle(converted(song->title(), style));
        song->setArtist(converted(song->artist(), style));
        song->setAlbum(converted(song->album(), style));
        song->setGenre(converted(song->genre(), style));
    }
}

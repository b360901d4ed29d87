#include "allinonecontroller.h"

#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"

AllInOneController::AllInOneController(NumberingController &numbering,
                                       CapitalizationController &capitalization, NamingController &naming)
    : m_numbering(numbering)
    , m_capitalization(capitalization)
    , m_naming(naming)
{}

void AllInOneController::doAllInOne()
{
    m_numbering.applyNumberingToSongs();
    m_capitalization.applyCapitalizationToSongs();
    m_naming.applyNamingToSongs();
}

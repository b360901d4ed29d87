#pragma once

class EditorController;

// Rewrites the case of the title, artist, album and genre of the selected
// songs in the chosen style: title case, upper case or lower case. The style
// is kept as three exclusive settings (CAPITALIZATION_*).
class CapitalizationController
{
public:
    enum class Style { None, TitleCase, UpperCase, LowerCase };

    explicit CapitalizationController(EditorController &controller);

    void selectTitleCase();
    void selectUpperCase();
    void selectLowerCase();
    // The first chosen style in the order title, upper, lower case.
    static Style chosenStyle();

    void applyCapitalizationToSongs();

private:
    EditorController &m_controller;
};

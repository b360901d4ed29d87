#pragma once

class EditorController;

// The question asked when the application is about to quit while songs
// carry unsaved changes.
class QuitQuestion
{
public:
    enum class Reply { TerminateNow, TerminateCancel };

    explicit QuitQuestion(EditorController &controller);

    // Quits at once when nothing is unsaved. Otherwise asks "Save", "Don't
    // Save" or "Cancel". After "Save" the application quits only when every
    // song was saved: when the save failed, the failures have been shown and
    // the unsaved songs stay in the editor.
    Reply applicationShouldTerminate();

private:
    EditorController &m_controller;
};

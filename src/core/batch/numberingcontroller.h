#pragma once

class EditorController;

// Numbers the selected songs 1, 2, 3... in list order, optionally with a
// leading zero for 1 to 9 and with "/" and the number of selected songs. The
// two options belong to the panel's check boxes; they start from the stored
// NUMBERING_LEADING_ZERO and NUMBERING_TRACK_COUNT.
class NumberingController
{
public:
    explicit NumberingController(EditorController &controller);

    bool leadingZero() const { return m_leadingZero; }
    void setLeadingZero(bool on) { m_leadingZero = on; }
    bool trackCount() const { return m_trackCount; }
    void setTrackCount(bool on) { m_trackCount = on; }

    void applyNumberingToSongs();

private:
    EditorController &m_controller;
    bool m_leadingZero;
    bool m_trackCount;
};

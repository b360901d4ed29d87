#pragma once

class CapitalizationController;
class NamingController;
class NumberingController;

// Runs numbering, capitalization and naming on the selected songs in one go,
// each with its own current options, so the names carry the new numbers and
// the converted case.
class AllInOneController
{
public:
    AllInOneController(NumberingController &numbering, CapitalizationController &capitalization,
                       NamingController &naming);

    void doAllInOne();

private:
    NumberingController &m_numbering;
    CapitalizationController &m_capitalization;
    NamingController &m_naming;
};

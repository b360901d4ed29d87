#pragma once

#include <QStringList>

// korvan-cli search and apply: the release database from the command line.
class BrowserCommands
{
public:
    // search [--server ROOT] [--cds-only on|off] QUERY: prints each release found.
    static int search(const QStringList &arguments);
    // apply [--server ROOT] --query Q [--cover N] [--uncheck I,J] [--yes]
    // [--all-in-one] PATH...: searches, picks cover N (from 0) of all covers
    // found, unchecks the titles I, J (from 0) of its release, applies it to
    // every gathered song and saves.
    static int apply(const QStringList &arguments);
};

#pragma once

#include <QString>

// TEXT in title case: every word gets an upper-case first letter and the rest
// in lower case; the small words ("a", "an", "and", "as", "at", "but", "by",
// "en", "for", "if", "in", "of", "on", "or", "the", "to", "via", "vs", "feat")
// are written in lower case unless they come first (or last, after a word
// that was capitalized); a word with an upper-case letter or a full stop after
// its first character is left as typed ("iPod", "BBC"). The text between
// words is never changed. Words come from Unicode word segmentation.
QString titlecaseString(const QString &text);

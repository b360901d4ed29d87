#include "pathnames.h"

namespace PathNames {

namespace {

QString withoutTrailingSlashes(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == u'/')
        --end;
    return path.left(end);
}

} // namespace

QString lastPathComponent(const QString &path)
{
    const QString trimmed = withoutTrailingSlashes(path);
    if (trimmed == QStringLiteral("/"))
        return trimmed;
    return trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
}

QString deletingLastPathComponent(const QString &path)
{
    const QString trimmed = withoutTrailingSlashes(path);
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral("");
    if (slash == 0)
        return QStringLiteral("/");
    return trimmed.left(slash);
}

QString pathExtension(const QString &path)
{
    const QString last = lastPathComponent(path);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot < 0 ? QStringLiteral("") : last.mid(dot + 1);
}

QString deletingPathExtension(const QString &path)
{
    const QString trimmed = withoutTrailingSlashes(path);
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    const qsizetype dot = trimmed.lastIndexOf(u'.');
    if (dot < 0 || dot < slash)
        return trimmed;
    return trimmed.left(dot);
}

} // namespace PathNames

#include "commandarguments.h"

bool CommandArguments::parse(const QStringList &arguments, const QStringList &valued,
                             const QStringList &switches, QString &error)
{
    bool pathsOnly = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (pathsOnly || !argument.startsWith(QLatin1String("--"))) {
            m_paths.append(argument);
        } else if (argument == QLatin1String("--")) {
            pathsOnly = true;
        } else if (switches.contains(argument.mid(2))) {
            m_options.append({argument.mid(2), QString()});
        } else if (valued.contains(argument.mid(2))) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(argument);
                return false;
            }
            m_options.append({argument.mid(2), arguments.at(++i)});
        } else {
            error = QStringLiteral("unknown option %1").arg(argument);
            return false;
        }
    }
    return true;
}

bool CommandArguments::isSet(const QString &name) const
{
    return std::any_of(m_options.begin(), m_options.end(),
                       [&](const auto &option) { return option.first == name; });
}

QString CommandArguments::value(const QString &name) const
{
    const QStringList all = values(name);
    return all.isEmpty() ? QString() : all.last();
}

QStringList CommandArguments::values(const QString &name) const
{
    QStringList found;
    for (const auto &[option, value] : m_options) {
        if (option == name)
            found.append(value);
    }
    return found;
}

// korvan-cli: the editor's core without a display, for scripts and checks.

#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"
#include "songjson.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int ExitDone = 0;
constexpr int ExitUsage = 2;

int usageError(const QString &message)
{
    QTextStream(stderr) << "korvan-cli: " << message << '\n';
    return ExitUsage;
}

const char usage[] = "usage: korvan-cli read PATH...\n";

int readCommand(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(QStringLiteral("read needs at least one path"));
    EditorController controller;
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("unknown option %1").arg(argument));
        const QString path = QFileInfo(argument).absoluteFilePath();
        QStringList found;
        controller.traverseFile(path, found);
        if (found.isEmpty())
            return usageError(QStringLiteral("no music file found at %1").arg(argument));
        paths.append(path);
    }
    controller.traverseFiles(paths);
    for (const auto &song : controller.songs()) {
        const QByteArray line = songJson(*song) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    return ExitDone;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvan-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVAN_VERSION));
    Settings::registerDefaults();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")) {
        std::fputs(usage, arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? ExitUsage : ExitDone;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("read"))
        return readCommand(arguments);
    return usageError(QStringLiteral("unknown command %1").arg(command));
}

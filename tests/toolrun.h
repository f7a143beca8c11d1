#pragma once
// Runs zelslots-math (its path comes from the build as ZEL_MATH_TOOL) and keeps what it said.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace zeltest {

struct ToolRun {
    int exitcode = -1;  // -1 when the tool did not end normally
    QByteArray out, err;
};

inline ToolRun runtool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEL_MATH_TOOL), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace zeltest

#pragma once
// Runs one of our programs and keeps what it said: zelslots-math (its path comes from the build as
// ZEL_MATH_TOOL), or any program with the environment given.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace zeltest {

struct ToolRun {
    int exitcode = -1;  // -1 when the program did not end normally, or not within two minutes
    QByteArray out, err;
};

inline ToolRun runprogram(const QString& program, const QStringList& args,
                          const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

#ifdef ZEL_MATH_TOOL
inline ToolRun runtool(const QStringList& args) { return runprogram(QStringLiteral(ZEL_MATH_TOOL), args); }
#endif

}  // namespace zeltest

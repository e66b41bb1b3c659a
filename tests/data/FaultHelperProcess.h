#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quillory::test {

// The fault helper (FaultHelper.cpp) running as another process, read line by line.
class FaultHelperProcess {
public:
    explicit FaultHelperProcess(const QStringList &arguments)
    {
        process.start(QStringLiteral(QUILLORY_FAULT_HELPER), arguments);
    }
    ~FaultHelperProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // The next line it prints; empty when it ends or stays silent for the time given.
    QString nextLine(int msecs = 30000)
    {
        while (!process.canReadLine()) {
            if (process.state() == QProcess::NotRunning || !process.waitForReadyRead(msecs))
                break;
        }
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    // Closes its standard input and waits for it to end; its exit code.
    int finish()
    {
        process.closeWriteChannel();
        process.waitForFinished(30000);
        return process.exitCode();
    }

    QProcess process;
};

} // namespace quillory::test

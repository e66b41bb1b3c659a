// Loaded into the installed program by Qt's generic plugin mechanism (QT_QPA_GENERIC_PLUGINS),
// so the program under test is the packaged one, unchanged. The probe agrees to the disclaimer
// as a user would, waits until the program has opened its database, prints that file's path
// and quits the program. A message box before that (the failure dialog) fails the run.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace {

void report(const QString &text)
{
    std::printf("probe: %s\n", qPrintable(text));
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString &why)
{
    report(why);
    std::_Exit(1);
}

QString openDatabaseFile()
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        const QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            return QUrl(db.databaseName().section(QLatin1Char('?'), 0, 0)).toLocalFile();
    }
    return {};
}

class Probe : public QObject {
public:
    Probe()
    {
        connect(&timer_, &QTimer::timeout, this, &Probe::look);
        timer_.start(100);
        started_.start();
    }

private:
    void look()
    {
        const QString opened = openDatabaseFile();
        if (!opened.isEmpty()) {
            timer_.stop();
            report(QStringLiteral("opened ") + opened);
            QCoreApplication::exit(0);
            return;
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            if (const auto *box = qobject_cast<QMessageBox *>(window))
                fail(QStringLiteral("message before the database was open: ") + box->text());
            if (window->objectName() == QLatin1String("Disclaimer"))
                if (auto *agree = window->findChild<QPushButton *>(QStringLiteral("Command1_0")))
                    agree->click();
        }
        if (started_.hasExpired(30000))
            fail(QStringLiteral("the database was not opened within 30 seconds"));
    }

    QTimer timer_;
    QElapsedTimer started_;
};

class StartupProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartupProbe.json")

public:
    QObject *create(const QString &key, const QString &) override
    {
        return key == QLatin1String("quillory-startup-probe") ? new Probe : nullptr;
    }
};

} // namespace

#include "StartupProbe.moc"

// Which folder holds appointments.dat, and that the files describing the
// program to the desktop pass the desktop's own validators.
#include "platform/datafolder/DataFolder.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void writableProgramFolderKeepsTheFile()
    {
        QTemporaryDir program;
        QCOMPARE(DataFolder::For(program.path()), program.path() + QLatin1Char('/'));
    }

    // The start reads a big store ahead before there is an application
    // object; its path must be the one the application object gives, or
    // that read is thrown away.
    void executableFolderAsTheApplicationTellsIt()
    {
        QCOMPARE(DataFolder::ExecutableFolder(), QCoreApplication::applicationDirPath());
    }

    void otherwiseTheUsersDataFolder_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("missing folder") << false;
        QTest::newRow("read-only folder") << true;
    }
    void otherwiseTheUsersDataFolder()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir home, program;
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
        QString dir = program.filePath(QStringLiteral("not-there"));
        if (readOnly) {
            if (::geteuid() == 0)
                QSKIP("root may write into any folder");
            dir = program.path();
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString chosen = DataFolder::For(dir);
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_DATA_HOME", before);
        QCOMPARE(chosen, home.filePath(QStringLiteral("data/kalvix/")));
        // Created for the user alone.
        const QFileInfo created(chosen);
        QVERIFY(created.isDir());
        QCOMPARE(created.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFileDevice::Permissions());
    }

    void desktopFilesValidate()
    {
        const QString dir = QStringLiteral(KALVIX_DESKTOP_DIR);
        const QList<QStringList> checks{{QStringLiteral("appstreamcli"), QStringLiteral("validate"),
                                         QStringLiteral("--no-net"),
                                         dir + QStringLiteral("/example.brontal.kalvix.metainfo.xml")},
                                        {QStringLiteral("desktop-file-validate"),
                                         dir + QStringLiteral("/kalvix.desktop")}};
        for (const QStringList &check : checks) {
            if (QStandardPaths::findExecutable(check.first()).isEmpty())
                QSKIP("appstream or desktop-file-utils missing: tools/install-deps.sh test installs them");
            QProcess p;
            p.start(check.first(), check.mid(1));
            QVERIFY(p.waitForFinished(60000));
            QVERIFY2(p.exitCode() == 0, p.readAll().constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: `--help` and `--version` answer on standard output and end the
// program, an unknown option or argument is reported on standard error with a
// non-zero status, and the toolkit's own options let the program go on.
#include "CommandLine.h"

#include <QtTest>

class CommandLineTest final : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("standardOutput");   // a line the output holds ("" for none)
        QTest::addColumn<QString>("standardError");    // a part of the error ("" for none)

        const QString usage = QStringLiteral("Ús: ventiro [OPCIÓ]...");
        const QString version = QStringLiteral("ventiro " VENTIRO_VERSION);
        QTest::newRow("no arguments") << QStringList{} << true << 0 << QString() << QString();
        QTest::newRow("--help") << QStringList{"--help"} << false << 0 << usage << QString();
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << usage << QString();
        QTest::newRow("--version") << QStringList{"--version"} << false << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << version << QString();
        QTest::newRow("help after a toolkit option")
            << QStringList{"-platform", "offscreen", "--help"} << false << 0 << usage << QString();
        QTest::newRow("unknown long option")
            << QStringList{"--fullscreen"} << false << 2 << QString() << QStringLiteral("opció desconeguda: «--fullscreen»");
        QTest::newRow("unknown short option")
            << QStringList{"-x"} << false << 2 << QString() << QStringLiteral("opció desconeguda: «-x»");
        QTest::newRow("unknown after a toolkit option")
            << QStringList{"-style", "Fusion", "--bogus"} << false << 2 << QString() << QStringLiteral("«--bogus»");
        QTest::newRow("an argument that is no option")
            << QStringList{"fitxer.txt"} << false << 2 << QString() << QStringLiteral("argument inesperat: «fitxer.txt»");
        QTest::newRow("toolkit option without its value")
            << QStringList{"-platform"} << false << 2 << QString() << QStringLiteral("necessita un valor");
        QTest::newRow("toolkit options") << QStringList{"-platform", "xcb", "--style", "Fusion", "-reverse"} << true << 0
                                         << QString() << QString();
        QTest::newRow("toolkit option with =") << QStringList{"-platform=wayland"} << true << 0 << QString() << QString();
        QTest::newRow("a value that looks like an option")
            << QStringList{"-title", "--help-me"} << true << 0 << QString() << QString();
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, goOn);
        QFETCH(int, exitStatus);
        QFETCH(QString, standardOutput);
        QFETCH(QString, standardError);

        arguments.prepend(QStringLiteral("/usr/bin/ventiro"));
        const CommandLineAnswer answer = answerCommandLine(arguments);
        QCOMPARE(answer.goOn, goOn);
        QCOMPARE(answer.exitStatus, exitStatus);
        if (standardOutput.isEmpty())
            QVERIFY2(answer.standardOutput.isEmpty(), qPrintable(answer.standardOutput));
        else
            QVERIFY2(answer.standardOutput.split(u'\n').contains(standardOutput), qPrintable(answer.standardOutput));
        if (standardError.isEmpty()) {
            QVERIFY2(answer.standardError.isEmpty(), qPrintable(answer.standardError));
        } else {
            QVERIFY2(answer.standardError.startsWith(QLatin1String("ventiro: ")), qPrintable(answer.standardError));
            QVERIFY2(answer.standardError.contains(standardError), qPrintable(answer.standardError));
            QVERIFY(answer.standardError.contains(QLatin1String("ventiro --help")));
        }
    }

    // The usage names both options; the version is the project's.
    void usageNamesTheOptions()
    {
        const QString usage = answerCommandLine({QStringLiteral("ventiro"), QStringLiteral("--help")}).standardOutput;
        QVERIFY(usage.contains(QLatin1String("--help")));
        QVERIFY(usage.contains(QLatin1String("--version")));
        QVERIFY(usage.endsWith(u'\n'));
        QVERIFY(!QStringLiteral(VENTIRO_VERSION).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"

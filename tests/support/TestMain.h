#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <array>

// "a b c" as {"a", "b", "c"}: keeps lists of names to one line.
inline QStringList words(const QString &list)
{
    return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The columns of a data table, one of each type given, in order.
template <typename... T> void columns(const std::array<const char *, sizeof...(T)> &names)
{
    std::size_t column = 0;
    (QTest::addColumn<T>(names[column++]), ...);
}
// One row of a data table, its values in column order.
template <typename... T> void row(const char *name, const T &...values)
{
    (QTest::newRow(name) << ... << values);
}

// Settings of the test's own, empty at start: test mode keeps the user's
// apart, and a home of its own keeps test programs that run side by side
// apart. A run of the same program that this one starts shares its home.
inline void useOwnSettings()
{
    static QTemporaryDir home;
    if (!qEnvironmentVariableIsSet("VARIMONDE_TEST_HOME")) {
        qputenv("VARIMONDE_TEST_HOME", home.path().toLocal8Bit());
        qputenv("HOME", home.path().toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
}

// Like QTEST_MAIN, with Qt's own file dialogs so that tests can answer them.
#define VARIMONDE_TEST_MAIN(TestObject) VARIMONDE_TEST_MAIN_AFTER(TestObject, )

// The same, `first` run before anything else (before any thread starts).
#define VARIMONDE_TEST_MAIN_AFTER(TestObject, first)                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        first;                                                                                     \
        useOwnSettings();                                                                          \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>

using platform::SettingsKey;

namespace {

const std::string kKey = "Software\\RGB Colour Picker";

// Every case gets an empty configuration folder of its own; the user's real
// settings are never in reach.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        saved_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", saved_); }

    QString KeyFile() const { return dir_.path() + "/tinquor/Software/RGB Colour Picker.reg"; }

    QByteArray FileText() const
    {
        QFile f(KeyFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void SetFileText(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(KeyFile()).absolutePath());
        QFile f(KeyFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(SettingsStore, OpeningWithoutCreateNeedsAnExistingKey)
{
    SettingsKey key;
    EXPECT_FALSE(key.Open(kKey, false));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(QFile::exists(KeyFile()));

    EXPECT_TRUE(key.Open(kKey, true));
    EXPECT_TRUE(key.IsOpen());
    EXPECT_TRUE(QFile::exists(KeyFile()));
    EXPECT_TRUE(FileText().isEmpty());

    SettingsKey again;
    EXPECT_TRUE(again.Open(kKey, false));
}

TEST_F(SettingsStore, ClosedKeyNeitherReadsNorWrites)
{
    SettingsKey key;
    std::int32_t v = 5;
    EXPECT_FALSE(key.ReadInteger("Method", v));
    EXPECT_FALSE(key.WriteInteger("Method", 1));
    ASSERT_TRUE(key.Open(kKey, true));
    key.Close();
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(key.WriteInteger("Method", 1));
    EXPECT_TRUE(FileText().isEmpty());
    EXPECT_EQ(v, 5);
}

TEST_F(SettingsStore, IntegersRoundTripAsDwordLines)
{
    struct Case {
        std::int32_t value;
        const char* line;
    } const cases[] = {
        {0, "\"Method\"=dword:00000000\n"},
        {2, "\"Method\"=dword:00000002\n"},
        {257, "\"Method\"=dword:00000101\n"},
        {-1, "\"Method\"=dword:ffffffff\n"},
        {INT32_MIN, "\"Method\"=dword:80000000\n"},
        {INT32_MAX, "\"Method\"=dword:7fffffff\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SettingsKey key;
        ASSERT_TRUE(key.Open(kKey, true));
        ASSERT_TRUE(key.WriteInteger("Method", c.value));
        EXPECT_EQ(FileText(), QByteArray(c.line));
        SettingsKey reader;
        ASSERT_TRUE(reader.Open(kKey, false));
        std::int32_t v = 12345;
        ASSERT_TRUE(reader.ReadInteger("Method", v));
        EXPECT_EQ(v, c.value);
    }
}

TEST_F(SettingsStore, AnythingButADwordIsNotAnInteger)
{
    const char* const files[] = {
        "",                               // no value at all
        "\"Other\"=dword:00000001\n",     // another value only
        "\"Method\"=\"1\"\n",             // a text value
        "\"Method\"=dword:\n",
        "\"Method\"=dword:123456789\n",   // more than 32 bits
        "\"Method\"=dword:0000000g\n",
        "\"Method\"=dword:-0000001\n",
        "\"Method\"=dword:0x000001\n",
        "\"Method\"=hex:01,00,00,00\n",
        "\"Method=dword:00000001\n",      // unterminated name
        "Method=dword:00000001\n",
    };
    for (const char* text : files) {
        SCOPED_TRACE(text);
        SetFileText(text);
        SettingsKey key;
        ASSERT_TRUE(key.Open(kKey, false));
        std::int32_t v = 77;
        EXPECT_FALSE(key.ReadInteger("Method", v));
        EXPECT_EQ(v, 77);
    }
}

TEST_F(SettingsStore, ValueNamesIgnoreCaseAndAllowQuotes)
{
    SettingsKey key;
    ASSERT_TRUE(key.Open(kKey, true));
    ASSERT_TRUE(key.WriteInteger("Method", 1));
    ASSERT_TRUE(key.WriteInteger("METHOD", 2));
    ASSERT_TRUE(key.WriteInteger("odd \"name\" \\ here", 3));
    std::int32_t v = 0;
    ASSERT_TRUE(key.ReadInteger("method", v));
    EXPECT_EQ(v, 2);
    ASSERT_TRUE(key.ReadInteger("odd \"name\" \\ here", v));
    EXPECT_EQ(v, 3);
    EXPECT_EQ(FileText().toLower().count("\"method\""), 1);

    const QByteArray before = FileText();
    EXPECT_FALSE(key.WriteInteger("two\nlines", 4));
    EXPECT_FALSE(key.WriteString("Method\r", "x"));
    EXPECT_EQ(FileText(), before);
}

TEST_F(SettingsStore, WritesKeepTheOtherValuesAndLines)
{
    SetFileText("; kept by hand\n\"Method\"=\"text\"\n\"Zoom\"=dword:00000004\n");
    SettingsKey key;
    ASSERT_TRUE(key.Open(kKey, false));
    std::int32_t v = 0;
    EXPECT_FALSE(key.ReadInteger("Method", v));
    ASSERT_TRUE(key.WriteInteger("Method", 0));
    ASSERT_TRUE(key.WriteString("Note", "a \"quoted\" line\nbreak"));
    ASSERT_TRUE(key.ReadInteger("Method", v));
    EXPECT_EQ(v, 0);
    ASSERT_TRUE(key.ReadInteger("Zoom", v));
    EXPECT_EQ(v, 4);
    EXPECT_FALSE(key.ReadInteger("Note", v));
    EXPECT_EQ(FileText(),
              "; kept by hand\n\"Method\"=dword:00000000\n\"Zoom\"=dword:00000004\n"
              "\"Note\"=\"a \\\"quoted\\\" line break\"\n");
}

TEST_F(SettingsStore, KeyRemovedAfterOpeningFailsWritesAndStaysRemoved)
{
    SettingsKey key;
    ASSERT_TRUE(key.Open(kKey, true));
    ASSERT_TRUE(key.WriteInteger("Method", 1));
    ASSERT_TRUE(SettingsKey::DeleteKey(kKey));
    EXPECT_FALSE(QFile::exists(KeyFile()));

    std::int32_t v = 0;
    EXPECT_FALSE(key.ReadInteger("Method", v));
    EXPECT_FALSE(key.WriteInteger("Method", 2));
    EXPECT_FALSE(QFile::exists(KeyFile()));
    SettingsKey reopened;
    EXPECT_FALSE(reopened.Open(kKey, false));
    EXPECT_FALSE(SettingsKey::DeleteKey(kKey));
}

TEST_F(SettingsStore, DeletingAKeyTakesItsSubkeys)
{
    SettingsKey sub;
    ASSERT_TRUE(sub.Open(kKey + "\\Sub", true));
    SettingsKey key;
    ASSERT_TRUE(key.Open(kKey, true));
    ASSERT_TRUE(SettingsKey::DeleteKey(kKey));
    SettingsKey probe;
    EXPECT_FALSE(probe.Open(kKey + "\\Sub", false));
    EXPECT_TRUE(probe.Open("Software\\Other", true));
}

TEST_F(SettingsStore, PathsThatLeaveTheSettingsFolderAreRefused)
{
    const char* const paths[] = {"", "\\", "..", "Software\\..\\..\\escape", "Software\\.", "Software/escape",
                                 "..\\escape"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        SettingsKey key;
        EXPECT_FALSE(key.Open(path, true));
        EXPECT_FALSE(SettingsKey::DeleteKey(path));
    }
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(SettingsStore, AStoreThatCannotBeMadeFailsToCreateTheKey)
{
    // A file where the settings folder belongs: no folder can be made there,
    // whoever runs the test.
    QFile blocker(dir_.path() + "/tinquor");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsKey key;
    EXPECT_FALSE(key.Open(kKey, true));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(key.WriteInteger("Method", 0));
}

} // namespace

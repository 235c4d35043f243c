// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Password texts go to the secret store and the file holds a marker; without
// a store they stay scrambled in the file, as older files hold them. Files
// holding either are for their owner only.
#include "external/ElPack.h"
#include "external/General_runtime.h"
#include "helpers/memory_secret_store.h"
#include "platform/SecretStore.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "test_util.h"
#include "toolkit/Forms.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace qz8;

namespace {

struct Window {
    TForm form;
    TElEdit* password = new TElEdit(&form);
    TElEdit* name = new TElEdit(&form);
    Window()
    {
        password->setObjectName("Password");
        password->SetPasswordChar("*");
        name->setObjectName("UserName");
    }
};

QString Scrambled(QString text)
{
    ScrambleText(text);
    return ToNumStr(text);
}

mode_t ModeOf(const QString& file)
{
    struct stat st { };
    return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

mode_t UmaskMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class SecretPasswords : public ::testing::Test {
protected:
    void SetUp() override { SetSecretStore(&store); }
    void TearDown() override { SetSecretStore(nullptr); }
    qz8test::MemorySecretStore store;
    QTemporaryDir dir;
    QString ini = dir.filePath("tool.ini");
};

} // namespace

TEST_F(SecretPasswords, InTheStoreNotInTheFileAndBackInAFreshWindow)
{
    {
        Window w;
        w.password->SetText("hunter2");
        w.name->SetText("alice");
        SaveIni(&w.form, ini);
    }
    const QString text = qz8test::ReadText(ini);
    EXPECT_TRUE(text.contains("[Password]\ntext=" + SecretStoreMarker() + "\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("hunter2"));
    EXPECT_FALSE(text.contains(Scrambled("hunter2")));
    EXPECT_EQ(store.secrets.value(store.Name(PasswordSecretService(), PasswordSecretKey(ini, "Password"))), "hunter2");
    EXPECT_TRUE(PasswordSecretKey(ini, "Password").endsWith("tool.ini#Password"));
    EXPECT_EQ(ModeOf(ini), 0600u);

    Window back;
    ReadIni(&back.form, ini);
    EXPECT_EQ(back.password->Text(), "hunter2");
    EXPECT_EQ(back.name->Text(), "alice");
}

TEST_F(SecretPasswords, OldFileIsReadAndTheNextSaveMovesThePasswordIntoTheStore)
{
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + Scrambled("old pw") + "\n").toUtf8()));
    Window w;
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.password->Text(), "old pw");
    SaveIni(&w.form, ini);
    EXPECT_TRUE(qz8test::ReadText(ini).contains("text=" + SecretStoreMarker()));
    EXPECT_FALSE(qz8test::ReadText(ini).contains(Scrambled("old pw")));
    EXPECT_EQ(store.secrets.value(store.Name(PasswordSecretService(), PasswordSecretKey(ini, "Password"))), "old pw");
}

TEST_F(SecretPasswords, WithoutAStoreThePasswordStaysScrambledInAnOwnerOnlyFile)
{
    store.reachable = false;
    {
        Window w;
        w.password->SetText("hunter2");
        SaveIni(&w.form, ini);
    }
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Password]\ntext=" + Scrambled("hunter2") + "\n"));
    EXPECT_EQ(ModeOf(ini), 0600u);
    Window back;
    ReadIni(&back.form, ini);
    EXPECT_EQ(back.password->Text(), "hunter2");
}

TEST_F(SecretPasswords, SwitchOffWritesTheFileAsBeforeAndLeavesTheStoreAlone)
{
    MEMINI_passwords_in_secret_store = false;
    Window w;
    w.password->SetText("hunter2");
    SaveIni(&w.form, ini);
    EXPECT_EQ(qz8test::ReadText(ini), "[Password]\ntext=" + Scrambled("hunter2") + "\n\n[UserName]\ntext=\n");
    EXPECT_EQ(store.calls, 0);
}

TEST_F(SecretPasswords, FilesWithoutAPasswordKeepTheUsersUmask)
{
    Window w;
    SaveIni(&w.form, ini); // an empty password is no password
    EXPECT_EQ(ModeOf(ini), UmaskMode());
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Password]\ntext=\n"));

    // Once it holds one, and after it was emptied again.
    w.password->SetText("x");
    SaveIni(&w.form, ini);
    EXPECT_EQ(ModeOf(ini), 0600u);
    EXPECT_EQ(store.secrets.size(), 1);
    w.password->SetText("");
    SaveIni(&w.form, ini);
    EXPECT_TRUE(store.secrets.isEmpty()) << "an emptied password is removed from the store";
}

TEST_F(SecretPasswords, MarkerWithoutItsSecretLeavesTheEditAsItWas)
{
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
    Window w;
    w.password->SetText("typed");
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.password->Text(), "typed");
    store.reachable = false;
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.password->Text(), "typed");
}

// A store that cannot give the secret back at show (down, locked, or it
// answers NotFound) must not cost the password: the save writes the marker
// back and leaves the secret alone until the user changes the password.
TEST_F(SecretPasswords, UnresolvedMarkerIsWrittenBackAndItsSecretKept)
{
    const QString name = store.Name(PasswordSecretService(), PasswordSecretKey(ini, "Password"));
    for (const bool notFound : {false, true}) {
        SCOPED_TRACE(notFound ? "not found" : "unavailable");
        store.secrets.clear();
        if (!notFound)
            store.secrets.insert(name, "hunter2");
        ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
        store.reachable = notFound;
        Window w;
        ReadIni(&w.form, ini);
        EXPECT_EQ(w.password->Text(), "");
        EXPECT_EQ(UnresolvedPasswords(&w.form), QStringList{"Password"});
        store.reachable = true; // back before the window closes
        SaveIni(&w.form, ini);
        EXPECT_TRUE(qz8test::ReadText(ini).contains("[Password]\ntext=" + SecretStoreMarker() + "\n"));
        EXPECT_EQ(store.secrets.value(name), notFound ? QString() : QString("hunter2"));
        EXPECT_EQ(ModeOf(ini), 0600u);
        // A second save, and a read that fails again, change nothing.
        store.reachable = false;
        ReadIni(&w.form, ini);
        SaveIni(&w.form, ini);
        EXPECT_TRUE(qz8test::ReadText(ini).contains("text=" + SecretStoreMarker()));
    }
}

TEST_F(SecretPasswords, AChangedOrEmptiedUnresolvedPasswordIsTheUsersWord)
{
    const QString name = store.Name(PasswordSecretService(), PasswordSecretKey(ini, "Password"));
    store.secrets.insert(name, "hunter2");
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
    store.reachable = false;
    Window w;
    ReadIni(&w.form, ini);
    store.reachable = true;
    w.password->SetText("new one");
    EXPECT_TRUE(UnresolvedPasswords(&w.form).isEmpty());
    SaveIni(&w.form, ini);
    EXPECT_EQ(store.secrets.value(name), "new one");

    // Typed and emptied again: the user emptied it, the secret goes.
    store.reachable = false;
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
    ReadIni(&w.form, ini);
    EXPECT_EQ(UnresolvedPasswords(&w.form), QStringList{"Password"});
    w.password->SetText("");
    store.reachable = true;
    SaveIni(&w.form, ini);
    EXPECT_FALSE(store.secrets.contains(name));
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Password]\ntext=\n"));

    // A read that resolves clears the mark.
    store.secrets.insert(name, "again");
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
    store.reachable = false;
    ReadIni(&w.form, ini);
    store.reachable = true;
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.password->Text(), "again");
    EXPECT_TRUE(UnresolvedPasswords(&w.form).isEmpty());
}

TEST_F(SecretPasswords, TwoFilesAndTwoControlsAreFourSecrets)
{
    const QString other = dir.filePath("other.ini");
    Window w;
    auto* second = new TElEdit(&w.form);
    second->setObjectName("Password2");
    second->SetPasswordChar("*");
    w.password->SetText("a");
    second->SetText("b");
    SaveIni(&w.form, ini);
    w.password->SetText("c");
    second->SetText("d");
    SaveIni(&w.form, other);
    EXPECT_EQ(store.secrets.size(), 4);
    Window back;
    auto* secondBack = new TElEdit(&back.form);
    secondBack->setObjectName("Password2");
    secondBack->SetPasswordChar("*");
    ReadIni(&back.form, ini);
    EXPECT_EQ(back.password->Text() + secondBack->Text(), "ab");
    ReadIni(&back.form, other);
    EXPECT_EQ(back.password->Text() + secondBack->Text(), "cd");
}

// The desktop's own store where no session bus answers (the test run points
// the bus address at nothing): the password stays scrambled in the file.
TEST(DesktopSecretStore, WithoutASecretServiceTheFileKeepsTheScrambledPassword)
{
    if (qgetenv("QZ8_TEST_SECRET_SERVICE") == "1")
        GTEST_SKIP() << "a Secret Service runs here";
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    Window w;
    w.password->SetText("hunter2");
    SaveIni(&w.form, ini);
    EXPECT_TRUE(qz8test::ReadText(ini).contains("text=" + Scrambled("hunter2")));
    EXPECT_EQ(ModeOf(ini), 0600u);
}

// Against a real Secret Service (a gnome-keyring on a private session bus,
// started by tests/helpers/with-keyring.sh).
TEST(DesktopSecretStore, RealSecretServiceHoldsThePasswordAndTheFileTheMarker)
{
    if (qgetenv("QZ8_TEST_SECRET_SERVICE") != "1")
        GTEST_SKIP() << "runs under tests/helpers/with-keyring.sh";
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + Scrambled("from an old file") + "\n").toUtf8()));
    {
        Window w;
        ReadIni(&w.form, ini);
        EXPECT_EQ(w.password->Text(), "from an old file");
        SaveIni(&w.form, ini); // moves it into the store
    }
    const QString text = qz8test::ReadText(ini);
    EXPECT_TRUE(text.contains("text=" + SecretStoreMarker())) << text.toStdString();
    EXPECT_FALSE(text.contains(Scrambled("from an old file")));
    EXPECT_EQ(ModeOf(ini), 0600u);
    QString secret;
    ASSERT_EQ(DesktopSecretStore().Read(PasswordSecretService(), PasswordSecretKey(ini, "Password"), secret),
              TSecretResult::Ok);
    EXPECT_EQ(secret, "from an old file");
    {
        Window back;
        ReadIni(&back.form, ini);
        EXPECT_EQ(back.password->Text(), "from an old file");
        back.password->SetText("");
        SaveIni(&back.form, ini);
    }
    EXPECT_EQ(DesktopSecretStore().Read(PasswordSecretService(), PasswordSecretKey(ini, "Password"), secret),
              TSecretResult::NotFound);
}

// Read from one file while the store was down, saved into another: the
// marker goes only into the file it was read from; elsewhere the secret is
// carried over once the store answers, or the password is written empty.
TEST_F(SecretPasswords, AnUnresolvedMarkerIsNeverSavedIntoAnotherFile)
{
    const QString other = dir.filePath("profile-copy.ini");
    const QString fromName = store.Name(PasswordSecretService(), PasswordSecretKey(ini, "Password"));
    const QString toName = store.Name(PasswordSecretService(), PasswordSecretKey(other, "Password"));
    store.secrets.insert(fromName, "hunter2");
    ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Password]\ntext=" + SecretStoreMarker() + "\n").toUtf8()));
    store.reachable = false;
    Window w;
    ReadIni(&w.form, ini);
    ASSERT_EQ(UnresolvedPasswords(&w.form), QStringList{"Password"});
    // Still down: the copy holds an empty password, no marker.
    SaveIni(&w.form, other);
    EXPECT_TRUE(qz8test::ReadText(other).contains("[Password]\ntext=\n")) << qz8test::ReadText(other).toStdString();
    // Back: the secret is carried over under the copy's own key.
    store.reachable = true;
    SaveIni(&w.form, other);
    EXPECT_TRUE(qz8test::ReadText(other).contains("[Password]\ntext=" + SecretStoreMarker() + "\n"));
    EXPECT_EQ(store.secrets.value(toName), "hunter2");
    EXPECT_EQ(store.secrets.value(fromName), "hunter2");
    // Into its own file the marker still goes back as it was.
    SaveIni(&w.form, ini);
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Password]\ntext=" + SecretStoreMarker() + "\n"));
    Window back;
    ReadIni(&back.form, other);
    EXPECT_EQ(back.password->Text(), "hunter2");
}

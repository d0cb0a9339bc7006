// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qmb::test {

// Points XDG_CONFIG_HOME and XDG_CONFIG_DIRS into a fresh temporary directory
// for each test. Each test's settings file thus has a new path, so nothing
// QSettings remembers about one test's file leaks into the next.
class SettingsSandbox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(MachineDir(0) + u':' + MachineDir(1)));
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", savedConfigHome_);
        qputenv("XDG_CONFIG_DIRS", savedConfigDirs_);
    }

    QString ConfigHome() const { return root_.filePath("home"); }
    QString UserFile() const { return ConfigHome() + "/VELD/QMBPro.conf"; }
    QString MachineFile(int dir) const { return MachineDir(dir) + "/VELD/QMB_VIZado.conf"; }

    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void PutFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A value as another program reading the file with QSettings sees it.
    QString StoredValue(const QString& key) const
    {
        return QSettings(UserFile(), QSettings::IniFormat).value(key).toString();
    }

private:
    QString MachineDir(int index) const { return root_.filePath(QString("machine-%1").arg(index)); }

    QTemporaryDir root_;
    QByteArray savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    QByteArray savedConfigDirs_ = qgetenv("XDG_CONFIG_DIRS");
};

}  // namespace qmb::test

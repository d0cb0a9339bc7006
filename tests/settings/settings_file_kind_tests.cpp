// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings_probe_run.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class SettingsFileKindTest : public test::SettingsSandbox {
protected:
    static void MakeFifo(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    static bool IsFifo(const QString& path)
    {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }

    // The machine file holding Model=2 and blank lines up to size bytes.
    void PutMachineFile(qint64 size)
    {
        QByteArray bytes = "Model=2\n";
        bytes.append(size - bytes.size(), '\n');
        PutFile(MachineFile(0), bytes);
    }
};

TEST_F(SettingsFileKindTest, FifosInPlaceOfTheSettingsFilesReadAsNoValuesAndAreNotWrittenOver)
{
    MakeFifo(UserFile());
    MakeFifo(MachineFile(0));

    const test::ProbeRun run = test::Probe({"read", "model", "write", "read"});
    ASSERT_TRUE(run.finished) << "hangs on a FIFO";
    EXPECT_EQ(run.output, "0\n0\n0\n0\n");
    EXPECT_EQ(run.errors, "settings_probe: ignoring " + UserFile() + ": not a regular file\n"
                          "settings_probe: cannot save settings to " + UserFile() + ": not a regular file\n");
    EXPECT_TRUE(IsFifo(UserFile()));
}

TEST_F(SettingsFileKindTest, MachineFileOverTheSizeLimitIsNotReadAtAll)
{
    PutMachineFile(settings::kMaxSettingsFileSize);
    EXPECT_EQ(InstalledModelNumber(), 2);

    PutMachineFile(settings::kMaxSettingsFileSize + 1);
    EXPECT_EQ(InstalledModelNumber(), 0);

    // Sparse: 50 MB on the disk's books, nothing much to write.
    QFile huge(MachineFile(0));
    ASSERT_TRUE(huge.resize(50'000'000));
    const test::ProbeRun run = test::Probe({"model"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.output, "0\n");
    EXPECT_EQ(run.errors, "settings_probe: ignoring " + MachineFile(0) + ": larger than 1 MiB\n");
}

}  // namespace
}  // namespace qmb

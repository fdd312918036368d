#include "import/form_import.h"

#include "support/files.h"
#include "support/messages.h"
#include "support/resident_memory.h"
#include "support/tool_fixture.h"

#include <QElapsedTimer>
#include <QStorageInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dw {
namespace {

using test::kHeaderRefused;
using test::kOpenFailed;

using test::DataPath;
using test::Scratch;
using test::ToolUnderTest;
using test::WriteBytes;



// Each bad form is imported after a good one: the tool says why, keeps running,
// and the file is left as it was.
TEST(BadForms, EachGetsAClearAnswerAndStaysUntouched) {
    Scratch scratch;
    struct Case {
        const char* what;
        QByteArray bytes;
        QString message;
    };
    QByteArray garbage;
    for (int i = 0; i < 70000; ++i)
        garbage += static_cast<char>((i * 7919) % 251 + 1);
    const Case cases[] = {
        {"empty", "", kHeaderRefused},
        {"only a byte-order mark", "\xEF\xBB\xBF", kHeaderRefused},
        {"binary garbage", garbage, kHeaderRefused},
        {"invalid UTF-8 around a good header",
         "\xFF\xFE; Form Designer for Purebasic - 5.22 \xC3\r\n  B\xE4 = ButtonGadget(0, 1, 2, 3, 4)\r\n", ""},
        {"header in the second line", "\r\n; Form Designer for Purebasic - 5.22\r\n", kHeaderRefused},
        {"version 5.20", "; Form Designer for Purebasic - 5.20\r\n", kHeaderRefused},
        {"version 5.30", "; Form Designer for Purebasic - 5.30\r\n", kHeaderRefused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(scratch.path("bad.pbf"), c.bytes);
        ToolUnderTest t;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.user.log.clear();
        t.importForm(scratch.path("bad.pbf"));
        EXPECT_EQ(t.user.messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(test::ReadBytes(scratch.path("bad.pbf")), c.bytes);
        if (c.message.isEmpty()) {
            ASSERT_EQ(t.tool.records.size(), 1);
            EXPECT_EQ(t.tool.records[0].name, QString::fromUtf8("B\xEF\xBF\xBD"));
        } else {
            EXPECT_TRUE(t.tool.records.isEmpty());
        }
    }
    const QString unreadable[] = {scratch.folder(), scratch.path("missing.pbf")};
    for (const QString& path : unreadable) {
        ToolUnderTest t;
        t.importForm(path);
        EXPECT_EQ(t.user.messages(), QStringList{kOpenFailed}) << path.toStdString();
    }
}

TEST(BadForms, AFileWithoutReadPermissionIsReportedAsUnreadable) {
    Scratch scratch;
    WriteBytes(scratch.path("secret.pbf"), "; Form Designer for Purebasic - 5.22\r\n");
    QFile::setPermissions(scratch.path("secret.pbf"), QFile::Permissions());
    ::chmod(QFile::encodeName(scratch.folder()).constData(), 0755);
    // Root reads any file, so the import runs as an ordinary user in a child process.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ToolUnderTest t;
        t.importForm(scratch.path("secret.pbf"));
        ::_exit(t.user.messages() == QStringList{kOpenFailed} && t.tool.state.dataLoaded == 1 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(BadForms, AGigabyteWithoutLineEndsIsRefusedQuicklyAndWithoutTheMemory) {
    Scratch scratch;
    if (QStorageInfo(scratch.folder()).bytesAvailable() < (qint64(3) << 30))
        GTEST_SKIP() << "less than 3 GB free where the test would write its 1 GB file";
    const QString path = scratch.path("huge.pbf");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, 'x');
        for (int i = 0; i < 1024; ++i)
            ASSERT_EQ(file.write(block), block.size());
    }
    ToolUnderTest t;
    const long before = test::ResidentKiB();
    QElapsedTimer clock;
    clock.start();
    t.importForm(path);
    const qint64 ms = clock.elapsed();
    EXPECT_EQ(t.user.messages(), QStringList{kHeaderRefused});
    EXPECT_LT(ms, 20000) << "the sanitizers slow this build; the release build takes about a second";
    EXPECT_LT(test::ResidentKiB() - before, 64 * 1024) << "the line is skimmed, not kept";
}

} // namespace
} // namespace dw

// Compiles the generated Windows resource script with the resource compilers
// found on this machine and reads the compiled record back, so that the
// version record Windows shows in a file's properties is checked on Linux
// too. A compiler that is not installed skips its rows.

#include "expected_record.h"
#include "tests/support/little_endian.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>

// QSKIP of Qt 6.4 leaves its variadic part empty, which clang's -Wpedantic
// reports at every use.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wgnu-zero-variadic-macro-arguments"
#endif

namespace {

using acpower::test::LittleEndianReader;

constexpr int ResourceTypeIcon = 3;
constexpr int ResourceTypeGroupIcon = 14;
constexpr int ResourceTypeVersion = 16;
constexpr quint32 FixedFileInfoSignature = 0xFEEF04BD;

struct Resource {
    int type = 0;
    int id = 0;
    int language = 0;
    QByteArray data;
};

struct VersionRecord {
    QString error;
    QList<Resource> resources;
    QMap<QString, QString> strings;
    QString stringTable;
    std::array<quint32, 13> fixed{};
    QList<quint32> translations;
};

int align4(int offset)
{
    return (offset + 3) & ~3;
}

// What goes wrong on the way from the script to its record is thrown, and
// becomes the record's error.
void require(bool ok, const QString& what)
{
    if (!ok) {
        throw what;
    }
}

// A .res file: a row of entries, each a header naming type, name and language,
// then the data, both padded to four bytes.
QList<Resource> readRes(const QByteArray& file)
{
    const LittleEndianReader r(file);
    QList<Resource> resources;
    for (int pos = 0; pos + 8 <= file.size();) {
        const quint32 dataSize = r.u32(pos);
        const quint32 headerSize = r.u32(pos + 4);
        require(headerSize >= 16 && headerSize <= quint32(file.size()) && dataSize <= quint32(file.size())
                    && r.has(pos, int(headerSize) + int(dataSize)),
                QStringLiteral("bad entry header at %1").arg(pos));
        Resource resource;
        int p = pos + 8;
        for (int* field : {&resource.type, &resource.id}) {
            if (r.u16(p) == 0xFFFF) {
                *field = r.u16(p + 2);
                p += 4;
            } else {
                *field = -1;  // named, not numbered
                r.utf16z(p, pos + headerSize, &p);
                require(p >= 0, QStringLiteral("unterminated name at %1").arg(pos));
            }
        }
        resource.language = r.u16(align4(p) + 6);
        resource.data = file.mid(pos + headerSize, dataSize);
        if (dataSize != 0) {
            resources.append(resource);
        }
        pos = align4(pos + headerSize + dataSize);
    }
    return resources;
}

struct Block {
    QString key;
    int type = 0;
    QByteArray value;
    QList<Block> children;
};

// One node of the version tree: length, value length, type, key, value,
// children, each piece aligned to four bytes from the start of the record.
Block readBlock(const QByteArray& data, int start)
{
    const LittleEndianReader r(data);
    const quint16 length = r.u16(start);
    require(length >= 6 && r.has(start, length), QStringLiteral("bad block at %1").arg(start));
    const int end = start + length;
    Block block;
    block.type = r.u16(start + 4);
    int p = -1;
    block.key = r.utf16z(start + 6, end, &p);
    require(p >= 0, QStringLiteral("unterminated key at %1").arg(start));
    p = align4(p);
    // A text value counts its length in UTF-16 units, a binary one in bytes.
    const int valueBytes = r.u16(start + 2) * (block.type == 1 ? 2 : 1);
    if (valueBytes > 0) {
        require(p + valueBytes <= end, QStringLiteral("value of %1 runs past its block").arg(block.key));
        block.value = data.mid(p, valueBytes);
        p = align4(p + valueBytes);
    }
    for (; p < end; p = align4(p + r.u16(p))) {
        block.children.append(readBlock(data, p));
    }
    return block;
}

QString textValue(const QByteArray& value)
{
    QString text(value.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(value.constData(), text.size(), text.data());
    while (text.endsWith(QChar(0))) {
        text.chop(1);
    }
    return text;
}

VersionRecord decode(const QByteArray& res)
{
    VersionRecord record;
    record.resources = readRes(res);
    const auto isVersion = [](const Resource& resource) { return resource.type == ResourceTypeVersion; };
    const auto version = std::find_if(record.resources.crbegin(), record.resources.crend(), isVersion);
    require(version != record.resources.crend(), QStringLiteral("no version resource"));
    const Block root = readBlock(version->data, 0);
    require(root.key == QLatin1String("VS_VERSION_INFO") && root.value.size() == 52,
            QStringLiteral("no VS_VERSION_INFO with a fixed part"));
    qFromLittleEndian<quint32>(root.value.constData(), 13, record.fixed.data());
    for (const Block& info : root.children) {
        for (const Block& child : info.children) {
            if (info.key == QLatin1String("StringFileInfo")) {
                record.stringTable = child.key;
                for (const Block& string : child.children) {
                    record.strings.insert(string.key, textValue(string.value));
                }
            } else if (info.key == QLatin1String("VarFileInfo")) {
                const LittleEndianReader var(child.value);
                for (int i = 0; i + 3 < child.value.size(); i += 4) {
                    record.translations.append(var.u32(i));
                }
            }
        }
    }
    return record;
}

// The command that turns in.rc into out.res, program first; empty when the
// compiler is not installed.
QStringList findCompiler(const QString& name, const QString& rc, const QString& res)
{
    const auto installed = [](const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); };
    const QString codePage = QString::number(ACPOWER_RC_CODE_PAGE);
    if (name == QLatin1String("windres")) {
        for (const QString prefix : {"i686-w64-mingw32-", "x86_64-w64-mingw32-", ""}) {
            const QString program = QStandardPaths::findExecutable(prefix + QStringLiteral("windres"));
            if (program.isEmpty()) {
                continue;
            }
            QStringList command{program, QStringLiteral("--codepage=") + codePage, QStringLiteral("-i"), rc};
            command << QStringLiteral("-O") << QStringLiteral("res") << QStringLiteral("-o") << res;
            // windres preprocesses with the MinGW C compiler, which a machine
            // with just the binutils lacks; the host's cpp does as well.
            if (!installed(prefix + QStringLiteral("gcc")) && installed(QStringLiteral("cpp"))) {
                command.insert(1, QStringLiteral("--preprocessor=cpp"));
            }
            return command;
        }
        return {};
    }
    // Debian names it by LLVM version unless the default llvm package is in;
    // -no-preprocess needs LLVM 13 or newer.
    QStringList candidates{QStringLiteral("llvm-rc")};
    for (int version = 30; version >= 13; --version) {
        candidates << QStringLiteral("llvm-rc-%1").arg(version);
    }
    for (const QString& candidate : candidates) {
        const QString program = QStandardPaths::findExecutable(candidate);
        if (!program.isEmpty()) {
            // "--" keeps an absolute input path such as /check/... from being
            // read as the /c code-page option.
            QStringList command{program, QStringLiteral("-no-preprocess"), QStringLiteral("-C"), codePage};
            command << QStringLiteral("-fo") << res << QStringLiteral("--") << rc;
            return command;
        }
    }
    return {};
}

QByteArray compile(const QStringList& command, const QString& res)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    const bool ran
        = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const QString output = QString::fromLocal8Bit(process.readAll());
    require(ran, QStringLiteral("%1 failed:\n%2").arg(command.join(QLatin1Char(' ')), output));
    QFile file(res);
    require(file.open(QIODevice::ReadOnly), QStringLiteral("no output from %1").arg(command.first()));
    return file.readAll();
}

QString rcPath()
{
    return QString::fromUtf8(ACPOWER_RC_FILE);
}

}  // namespace

class TestVersionResource : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scriptNamesNoCodePage();
    void strings_data();
    void strings();
    void fixedVersion_data();
    void fixedVersion();
    void iconGroup_data();
    void iconGroup();

private:
    QTemporaryDir dir_;
    // The script compiled once by each compiler.
    QMap<QString, VersionRecord> records_;
    // The record of the row's compiler, for the tests with rows.
    const VersionRecord* record_ = nullptr;
};

void TestVersionResource::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY2(QFile::exists(rcPath()), qPrintable(rcPath()));
}

// Every test with rows runs on the record of its row's compiler, so the
// compiling, the skip and the compiler's error are said once, here.
void TestVersionResource::init()
{
    if (!QTest::currentDataTag()) {
        return;
    }
    QFETCH(QString, compiler);
    if (!records_.contains(compiler)) {
        const QString res = dir_.filePath(compiler + QStringLiteral(".res"));
        const QStringList command = findCompiler(compiler, rcPath(), res);
        if (command.isEmpty()) {
            QSKIP("this resource compiler is not installed");
        }
        VersionRecord& record = records_[compiler];
        try {
            record = decode(compile(command, res));
        } catch (const QString& error) {
            record.error = error;
        }
    }
    record_ = &records_[compiler];
    QVERIFY2(record_->error.isEmpty(), qPrintable(record_->error));
}

void TestVersionResource::scriptNamesNoCodePage()
{
    // llvm-rc refuses a code-page pragma; each compiler takes a flag instead.
    QFile file(rcPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("#pragma"));
}

void TestVersionResource::strings_data()
{
    // clang-format off
    QTest::addColumn<QString>("compiler");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const std::pair<const char*, const char*> rows[] = {
        {"Comments", expected::Comments},
        {"FileDescription", expected::FileDescription},
        {"FileVersion", expected::Version},
        {"ProductVersion", expected::Version},
        {"CompanyName", expected::CompanyName},
        {"ProductName", expected::ProductName},
        {"LegalCopyright", expected::LegalCopyright},
        {"InternalName", expected::InternalName},
        {"OriginalFilename", expected::OriginalFilename},
    };
    for (const char* compiler : {"windres", "llvm-rc"}) {
        for (const auto& [key, expected] : rows) {
            QTest::addRow("%s %s", compiler, key)
                << QString::fromLatin1(compiler) << QString::fromLatin1(key) << QString::fromUtf8(expected);
        }
    }
    // clang-format on
}

void TestVersionResource::strings()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY2(record_->strings.contains(key), qPrintable(QStringList(record_->strings.keys()).join(u',')));
    QCOMPARE(record_->strings.value(key), expected);
}

void TestVersionResource::fixedVersion_data()
{
    // clang-format off
    QTest::addColumn<QString>("compiler");
    for (const char* compiler : {"windres", "llvm-rc"}) {
        QTest::newRow(compiler) << QString::fromLatin1(compiler);
    }
    // clang-format on
}

void TestVersionResource::fixedVersion()
{
    // The signature; major and minor in the high and low halves of the first
    // word of the file version, then a zero word, and the same for the product
    // version; VOS_NT_WINDOWS32 and VFT_APP.
    const quint32 majorMinor = quint32(expected::VersionMajor) << 16 | quint32(expected::VersionMinor);
    const std::array<quint32, 13>& f = record_->fixed;
    QCOMPARE((QList<quint32>{f[0], f[2], f[3], f[4], f[5], f[8], f[9]}),
             (QList<quint32>{FixedFileInfoSignature, majorMinor, 0, majorMinor, 0, 0x40004, 1}));

    // Russian, UTF-16: the table's name and the translation it announces.
    QCOMPARE(record_->stringTable, QStringLiteral("041904B0"));
    QCOMPARE(record_->translations, (QList<quint32>{quint32(1200) << 16 | 0x0419}));
    for (const Resource& resource : record_->resources) {
        QCOMPARE(resource.language, 0x0419);
    }
}

void TestVersionResource::iconGroup_data()
{
    fixedVersion_data();
}

void TestVersionResource::iconGroup()
{
    QMap<int, int> icons;
    const Resource* group = nullptr;
    for (const Resource& resource : record_->resources) {
        if (resource.type == ResourceTypeIcon) {
            icons.insert(resource.id, resource.data.size());
        } else if (resource.type == ResourceTypeGroupIcon) {
            QVERIFY2(!group, "more than one icon group");
            group = &resource;
        }
    }
    QVERIFY2(group, "no icon group");
    QCOMPARE(group->id, 1);

    const LittleEndianReader r(group->data);
    QCOMPARE(r.u16(2), quint16(1));
    const int count = r.u16(4);
    QVERIFY(r.has(6, 14 * count));
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 14 * i;
        sizes.append(r.iconSide(at));
        // Every entry of the group must point at an icon image of its size.
        const int id = r.u16(at + 12);
        QVERIFY2(icons.contains(id), qPrintable(QStringLiteral("icon %1 missing").arg(id)));
        QCOMPARE(icons.value(id), int(r.u32(at + 8)));
    }
    // Small for lists and title bars, large for Explorer's big views.
    for (const int size : {16, 32, 256}) {
        QVERIFY2(sizes.contains(size), qPrintable(QString::number(size)));
    }
}

QTEST_GUILESS_MAIN(TestVersionResource)
#include "tst_version_resource.moc"

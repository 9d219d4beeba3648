// Compiles the generated Windows resource script with the resource compilers
// found on this machine and reads the compiled record back, so that the
// version record Windows shows in a file's properties is checked on Linux
// too. A compiler that is not installed skips its rows.

#include "app_info.h"
#include "expected_record.h"
#include "tests/support/little_endian.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <optional>

// QSKIP of Qt 6.4 leaves its variadic part empty, which clang's -Wpedantic
// reports at every use.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wgnu-zero-variadic-macro-arguments"
#endif

namespace {

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

// A .res file: a row of entries, each a header naming type, name and language,
// then the data, both padded to four bytes.
QList<Resource> readRes(const QByteArray& file, QString* error)
{
    const acpower::test::LittleEndianReader r(file);
    QList<Resource> resources;
    int pos = 0;
    while (pos + 8 <= file.size()) {
        const quint32 dataSize = r.u32(pos);
        const quint32 headerSize = r.u32(pos + 4);
        if (headerSize < 16 || headerSize > quint32(file.size()) || dataSize > quint32(file.size())
            || !r.has(pos, int(headerSize) + int(dataSize))) {
            *error = QStringLiteral("bad entry header at %1").arg(pos);
            return {};
        }
        Resource resource;
        int p = pos + 8;
        int* fields[] = {&resource.type, &resource.id};
        for (int* field : fields) {
            if (r.u16(p) == 0xFFFF) {
                *field = r.u16(p + 2);
                p += 4;
            } else {
                int next = -1;
                r.utf16z(p, pos + headerSize, &next);
                *field = -1;  // named, not numbered
                p = next;
                if (p < 0) {
                    *error = QStringLiteral("unterminated name at %1").arg(pos);
                    return {};
                }
            }
        }
        p = align4(p);
        resource.language = r.u16(p + 6);
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
std::optional<Block> readBlock(const QByteArray& data, int start, QString* error)
{
    const acpower::test::LittleEndianReader r(data);
    const quint16 length = r.u16(start);
    const quint16 valueLength = r.u16(start + 2);
    if (length < 6 || !r.has(start, length)) {
        *error = QStringLiteral("bad block at %1").arg(start);
        return std::nullopt;
    }
    const int end = start + length;
    Block block;
    block.type = r.u16(start + 4);
    int next = -1;
    block.key = r.utf16z(start + 6, end, &next);
    if (next < 0) {
        *error = QStringLiteral("unterminated key at %1").arg(start);
        return std::nullopt;
    }
    int p = align4(next);
    // A text value counts its length in UTF-16 units, a binary one in bytes.
    const int valueBytes = block.type == 1 ? int(valueLength) * 2 : valueLength;
    if (valueBytes > 0) {
        if (p + valueBytes > end) {
            *error = QStringLiteral("value of %1 runs past its block").arg(block.key);
            return std::nullopt;
        }
        block.value = data.mid(p, valueBytes);
        p = align4(p + valueBytes);
    }
    while (p < end) {
        const std::optional<Block> child = readBlock(data, p, error);
        if (!child) {
            return std::nullopt;
        }
        block.children.append(*child);
        p = align4(p + r.u16(p));
    }
    return block;
}

QString textValue(const QByteArray& value)
{
    QString text;
    for (int i = 0; i + 1 < value.size(); i += 2) {
        text.append(QChar(qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(value.constData()) + i)));
    }
    while (text.endsWith(QChar(0))) {
        text.chop(1);
    }
    return text;
}

VersionRecord decode(const QByteArray& res)
{
    VersionRecord record;
    record.resources = readRes(res, &record.error);
    if (!record.error.isEmpty()) {
        return record;
    }
    const Resource* version = nullptr;
    for (const Resource& resource : record.resources) {
        if (resource.type == ResourceTypeVersion) {
            version = &resource;
        }
    }
    if (!version) {
        record.error = QStringLiteral("no version resource");
        return record;
    }
    const std::optional<Block> root = readBlock(version->data, 0, &record.error);
    if (!root) {
        return record;
    }
    if (root->key != QLatin1String("VS_VERSION_INFO") || root->value.size() != 52) {
        record.error = QStringLiteral("no VS_VERSION_INFO with a fixed part");
        return record;
    }
    for (int i = 0; i < 13; ++i) {
        record.fixed[i] = qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(root->value.constData()) + 4 * i);
    }
    for (const Block& info : root->children) {
        if (info.key == QLatin1String("StringFileInfo")) {
            for (const Block& table : info.children) {
                record.stringTable = table.key;
                for (const Block& string : table.children) {
                    record.strings.insert(string.key, textValue(string.value));
                }
            }
        } else if (info.key == QLatin1String("VarFileInfo")) {
            for (const Block& var : info.children) {
                for (int i = 0; i + 3 < var.value.size(); i += 4) {
                    record.translations.append(
                        qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(var.value.constData()) + i));
                }
            }
        }
    }
    return record;
}

struct Compiler {
    QString program;
    QStringList arguments;
};

// Finds the compiler and the arguments that turn in.rc into out.res.
std::optional<Compiler> findCompiler(const QString& name, const QString& rc, const QString& res)
{
    if (name == QLatin1String("windres")) {
        for (const char* candidate : {"i686-w64-mingw32-windres", "x86_64-w64-mingw32-windres", "windres"}) {
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
            if (program.isEmpty()) {
                continue;
            }
            QStringList arguments;
            // windres preprocesses with the MinGW C compiler, which a machine
            // with just the binutils lacks; the host's cpp does as well.
            const QString prefix = QString::fromLatin1(candidate).chopped(QStringLiteral("windres").size());
            if (QStandardPaths::findExecutable(prefix + QStringLiteral("gcc")).isEmpty()
                && !QStandardPaths::findExecutable(QStringLiteral("cpp")).isEmpty()) {
                arguments << QStringLiteral("--preprocessor=cpp");
            }
            arguments << QStringLiteral("-i") << rc << QStringLiteral("-O") << QStringLiteral("res")
                      << QStringLiteral("-o") << res;
            return Compiler{program, arguments};
        }
        return std::nullopt;
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
            return Compiler{program,
                            {QStringLiteral("-no-preprocess"), QStringLiteral("-fo"), res, QStringLiteral("--"), rc}};
        }
    }
    return std::nullopt;
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
    void scriptIsPlainAscii();
    void strings_data();
    void strings();
    void fixedVersion_data();
    void fixedVersion();
    void iconGroup_data();
    void iconGroup();

private:
    // Compiles the script once per compiler; skips when it is absent.
    const VersionRecord* compiled(const QString& compiler);

    QTemporaryDir dir_;
    QMap<QString, VersionRecord> records_;
};

void TestVersionResource::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY2(QFile::exists(rcPath()), qPrintable(rcPath()));
}

const VersionRecord* TestVersionResource::compiled(const QString& name)
{
    if (!records_.contains(name)) {
        const QString res = dir_.filePath(name + QStringLiteral(".res"));
        const std::optional<Compiler> compiler = findCompiler(name, rcPath(), res);
        if (!compiler) {
            return nullptr;
        }
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(compiler->program, compiler->arguments);
        VersionRecord record;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            record.error = QStringLiteral("%1 %2 failed:\n%3")
                               .arg(compiler->program, compiler->arguments.join(QLatin1Char(' ')),
                                    QString::fromLocal8Bit(process.readAll()));
        } else {
            QFile file(res);
            if (!file.open(QIODevice::ReadOnly)) {
                record.error = QStringLiteral("no output from %1").arg(compiler->program);
            } else {
                record = decode(file.readAll());
            }
        }
        records_.insert(name, record);
    }
    return &records_[name];
}

void TestVersionResource::scriptIsPlainAscii()
{
    QFile file(rcPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray script = file.readAll();
    for (int i = 0; i < script.size(); ++i) {
        if (static_cast<uchar>(script[i]) >= 0x80) {
            QFAIL(qPrintable(QStringLiteral("byte %1 of the script is not ASCII").arg(i)));
        }
    }
    QVERIFY(!script.contains("#pragma"));
}

void TestVersionResource::strings_data()
{
    // clang-format off
    QTest::addColumn<QString>("compiler");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QList<std::pair<const char*, QString>> rows = {
        {"Comments", QString::fromUtf8(expected::Comments)},
        {"FileDescription", QString::fromUtf8(expected::FileDescription)},
        {"FileVersion", QString::fromUtf8(expected::Version)},
        {"ProductVersion", QString::fromUtf8(expected::Version)},
        {"CompanyName", QString::fromUtf8(expected::CompanyName)},
        {"ProductName", QString::fromUtf8(expected::ProductName)},
        {"LegalCopyright", QString::fromUtf8(expected::LegalCopyright)},
        {"InternalName", QString::fromUtf8(expected::InternalName)},
        {"OriginalFilename", QString::fromUtf8(expected::OriginalFilename)},
    };
    for (const char* compiler : {"windres", "llvm-rc"}) {
        for (const auto& [key, expected] : rows) {
            QTest::addRow("%s %s", compiler, key)
                << QString::fromLatin1(compiler) << QString::fromLatin1(key) << expected;
        }
    }
    // clang-format on
}

void TestVersionResource::strings()
{
    QFETCH(QString, compiler);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const VersionRecord* record = compiled(compiler);
    if (!record) {
        QSKIP("this resource compiler is not installed");
    }
    QVERIFY2(record->error.isEmpty(), qPrintable(record->error));
    QVERIFY2(record->strings.contains(key), qPrintable(QStringList(record->strings.keys()).join(u',')));
    QCOMPARE(record->strings.value(key), expected);
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
    QFETCH(QString, compiler);
    const VersionRecord* record = compiled(compiler);
    if (!record) {
        QSKIP("this resource compiler is not installed");
    }
    QVERIFY2(record->error.isEmpty(), qPrintable(record->error));

    QCOMPARE(record->fixed[0], FixedFileInfoSignature);
    // The numeric fields hold major and minor in the high and low halves of
    // their first word, then zeros: file version, then product version.
    const quint32 majorMinor = quint32(expected::VersionMajor) << 16 | quint32(expected::VersionMinor);
    QCOMPARE(record->fixed[2], majorMinor);
    QCOMPARE(record->fixed[3], quint32(0));
    QCOMPARE(record->fixed[4], majorMinor);
    QCOMPARE(record->fixed[5], quint32(0));
    QCOMPARE(record->fixed[8], quint32(0x40004));  // VOS_NT_WINDOWS32
    QCOMPARE(record->fixed[9], quint32(1));        // VFT_APP

    // Russian, UTF-16: the table's name and the translation it announces.
    QCOMPARE(record->stringTable, QStringLiteral("041904B0"));
    QCOMPARE(record->translations, (QList<quint32>{quint32(1200) << 16 | 0x0419}));
    for (const Resource& resource : record->resources) {
        QCOMPARE(resource.language, 0x0419);
    }
}

void TestVersionResource::iconGroup_data()
{
    // clang-format off
    fixedVersion_data();
    // clang-format on
}

void TestVersionResource::iconGroup()
{
    QFETCH(QString, compiler);
    const VersionRecord* record = compiled(compiler);
    if (!record) {
        QSKIP("this resource compiler is not installed");
    }
    QVERIFY2(record->error.isEmpty(), qPrintable(record->error));

    QMap<int, int> icons;
    const Resource* group = nullptr;
    for (const Resource& resource : record->resources) {
        if (resource.type == ResourceTypeIcon) {
            icons.insert(resource.id, resource.data.size());
        } else if (resource.type == ResourceTypeGroupIcon) {
            QVERIFY2(!group, "more than one icon group");
            group = &resource;
        }
    }
    QVERIFY2(group, "no icon group");
    QCOMPARE(group->id, 1);

    const acpower::test::LittleEndianReader r(group->data);
    QCOMPARE(r.u16(2), quint16(1));
    const int count = r.u16(4);
    QVERIFY(r.has(6, 14 * count));
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 14 * i;
        const int width = static_cast<uchar>(group->data[at]) == 0 ? 256 : static_cast<uchar>(group->data[at]);
        sizes.append(width);
        // Every entry of the group must point at an icon image of its size.
        const int id = r.u16(at + 12);
        QVERIFY2(icons.contains(id), qPrintable(QStringLiteral("icon %1 missing").arg(id)));
        QCOMPARE(icons.value(id), int(r.u32(at + 8)));
    }
    // Small for lists and title bars, large for Explorer's big views.
    QVERIFY(sizes.contains(16));
    QVERIFY(sizes.contains(32));
    QVERIFY(sizes.contains(256));
}

QTEST_GUILESS_MAIN(TestVersionResource)
#include "tst_version_resource.moc"

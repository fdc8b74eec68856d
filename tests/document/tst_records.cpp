#include "TestRegistry.h"

#include "document/Cp1252.h"
#include "document/FieldText.h"
#include "document/RecordReader.h"
#include "document/RecordWriter.h"

#include <QBuffer>
#include <QTest>

using namespace vellum;

namespace {

QByteArray written(const std::function<void(RecordWriter&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        RecordWriter writer(&buffer);
        write(writer);
    }
    return buffer.data();
}

} // namespace

class Cp1252Test : public QObject {
    Q_OBJECT
private slots:
    void bothWays_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("e acute") << QStringLiteral("caf\u00e9") << QByteArray("caf\xe9");
        QTest::newRow("euro sign") << QStringLiteral("5 \u20ac") << QByteArray("5 \x80");
        QTest::newRow("curly quotes and dashes") << QStringLiteral("\u201cA\u201d \u2013 \u2014")
                                                 << QByteArray("\x93"
                                                               "A\x94 \x96 \x97");
        QTest::newRow("Latin-1 top") << QStringLiteral("\u00ff\u00a0") << QByteArray("\xff\xa0");
        QTest::newRow("undefined byte kept") << QStringLiteral("\u0081") << QByteArray("\x81");
    }
    void bothWays() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1252::encode(text), bytes);
        QCOMPARE(Cp1252::decode(bytes), text);
    }

    void everyByteSurvivesReadAndWrite() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    }

    void foreignCharactersBecomeQuestionMarks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sanitized");
        QTest::newRow("double quote") << QStringLiteral("say \"hi\"") << QStringLiteral("say 'hi'");
        QTest::newRow("Greek") << QStringLiteral("\u03a9mega") << QStringLiteral("?mega");
        QTest::newRow("surrogate pair is one character")
            << QStringLiteral("a\U0001F409b") << QStringLiteral("a?b");
        QTest::newRow("euro and e acute stay")
            << QStringLiteral("\u20ac\u00e9") << QStringLiteral("\u20ac\u00e9");
        QTest::newRow("C1 control without a byte")
            << QStringLiteral("\u0080") << QStringLiteral("?");
    }
    void foreignCharactersBecomeQuestionMarks() {
        QFETCH(QString, text);
        QFETCH(QString, sanitized);
        QCOMPARE(FieldText::sanitized(text), sanitized);
        // What the writer stores is what the text box shows after sanitizing.
        QCOMPARE(FieldText::bytes(text), Cp1252::encode(sanitized));
    }
};
VELLUM_TEST(Cp1252Test);

class RecordWriterTest : public QObject {
    Q_OBJECT
private slots:
    void headerAndMapBytes() {
        const ScenarioHeader header{QStringLiteral("Keep"),
                                    QStringLiteral("Ann"),
                                    QStringLiteral("3/4/2024"),
                                    QStringLiteral("Line one,\r\nline two"),
                                    2,
                                    -3};
        const QByteArray bytes = written([&](RecordWriter& w) {
            w.writeHeader(header);
            w.writeMap({QStringLiteral("Map 1"), QStringLiteral("Town"), QString()});
            w.writeFootnote({QStringLiteral("Map 1"), QStringLiteral("1"), QStringLiteral("b"),
                             QStringLiteral("r"), QStringLiteral("n")});
        });
        QCOMPARE(bytes,
                 QByteArray("\"Keep\",\"Ann\",\"3/4/2024\",\"Line one,\r\nline two\",2,-3\r\n"
                            "\"Map 1\",\"Town\",\"\"\r\n"
                            "\"Map 1\",\"1\",\"b\",\"r\",\"n\"\r\n"));
    }

    void neverWritesAQuoteInsideAField() {
        const QByteArray bytes = written([](RecordWriter& w) {
            w.text(QStringLiteral("a \"b\" \u20ac \u03a9")).endRecord();
            w.bytes("bare \"x\"").endRecord();
        });
        QCOMPARE(bytes, QByteArray("\"a 'b' \x80 ?\"\r\n\"bare 'x'\"\r\n"));
    }

    void writeFailureIsReported() {
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        RecordWriter writer(&readOnly);
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        writer.writeMap({QStringLiteral("M"), QStringLiteral("Town"), QStringLiteral("d")});
        QVERIFY(!writer.flush());
        QVERIFY(!writer.errorString().isEmpty());
    }
};
VELLUM_TEST(RecordWriterTest);

class RecordReaderTest : public QObject {
    Q_OBJECT
private slots:
    void oddFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("spaces before fields")
            << QByteArray("  \"a\",   \"b\"\r\n   7\r\n") << QStringList{"a", "b", "7"};
        QTest::newRow("junk after a closing quote")
            << QByteArray("\"a\"junk,\"b\" x y\r\n\"c\"") << QStringList{"a", "b", "c"};
        QTest::newRow("no final line end") << QByteArray("\"a\",\"b\"") << QStringList{"a", "b"};
        QTest::newRow("commas and line breaks inside quotes")
            << QByteArray("\"a, b\r\nc,\nd\",\"e\"\r\n") << QStringList{"a, b\r\nc,\nd", "e"};
        QTest::newRow("bare fields end at comma or line end")
            << QByteArray("Town  ,12\r\nx\ny") << QStringList{"Town", "12", "x", "y"};
        QTest::newRow("empty fields") << QByteArray("\"\",,\"\"\r\n") << QStringList{"", "", ""};
        QTest::newRow("line feeds only") << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
    }
    void oddFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(&buffer);
        for (const QString& expected : fields) {
            QString field;
            QVERIFY2(reader.readText(field), qPrintable(reader.errorString()));
            QCOMPARE(field, expected);
        }
        QVERIFY(reader.atEnd());
        QString past;
        QVERIFY(!reader.readText(past));
        QVERIFY(reader.hasError());
    }

    void errors_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("line");
        QTest::newRow("empty file") << QByteArray() << qint64(1);
        QTest::newRow("missing closing quote")
            << QByteArray("\"T\",\"A\",\"D\",\"never\r\nclosed") << qint64(1);
        QTest::newRow("count is not a number")
            << QByteArray("\"T\",\"A\",\"D\",\"x\r\ny\",two,0\r\n") << qint64(2);
        QTest::newRow("count out of 16 bits")
            << QByteArray("\"T\",\"A\",\"D\",\"S\",\r\n40000,0\r\n") << qint64(2);
        QTest::newRow("ends before the last field")
            << QByteArray("\"T\",\"A\",\"D\",\"S\",1\r\n") << qint64(2);
    }
    void errors() {
        QFETCH(QByteArray, file);
        QFETCH(qint64, line);
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(&buffer);
        ScenarioHeader header;
        header.workingTitle = QStringLiteral("untouched");
        QVERIFY(!reader.readHeader(header));
        QCOMPARE(header.workingTitle, QStringLiteral("untouched"));
        QCOMPARE(reader.errorLine(), line);
        QVERIFY(!reader.errorString().isEmpty());
    }

    void fieldLargerThanTheReadBuffer() {
        QByteArray description;
        for (int i = 0; i < 40000; ++i)
            description += "line, " + QByteArray::number(i) + "\r\n";
        QByteArray file = written([&](RecordWriter& w) {
            w.text(QString::fromLatin1(description)).text(QStringLiteral("after")).endRecord();
            w.text(QStringLiteral("next")).endRecord();
        });
        file.append("bad");
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(&buffer);
        QString a, b, c;
        QVERIFY(reader.readText(a) && reader.readText(b) && reader.readText(c));
        QCOMPARE(a.toLatin1(), description);
        QCOMPARE(b, QStringLiteral("after"));
        QCOMPARE(c, QStringLiteral("next"));
        qint16 n = 0;
        QVERIFY(!reader.readInteger(n));
        QCOMPARE(reader.errorLine(), qint64(40000 + 3));
    }

    void recordsReadBackWhole() {
        const MapRecord map{QStringLiteral("Caves, lower"), QStringLiteral("Town"),
                            QStringLiteral("First, the gate.\r\n\r\nThen, \u00e9 and \u20ac.")};
        QByteArray file = written([&](RecordWriter& w) {
            w.writeMap(map);
            w.writeMap(map);
        });
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        RecordReader reader(&buffer);
        MapRecord first, second;
        QVERIFY(reader.readMap(first) && reader.readMap(second));
        QCOMPARE(first, map);
        QCOMPARE(second, map);
        QVERIFY(reader.atEnd());
    }
};
VELLUM_TEST(RecordReaderTest);

#include "tst_records.moc"

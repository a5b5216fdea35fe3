// Text pasted from elsewhere may hold what a document cannot carry: control characters, a
// lone UTF-16 surrogate, the non-characters U+FFFE and U+FFFF. Pasted into the fields, the
// grid and the conclusion, it still gives a protocol that opens, with the readable part of
// every text in it.
#include "protocol_text.h"
#include "walkthrough_fixture.h"

#include <QClipboard>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// "Тула", broken by what a clipboard from another program may bring.
QString Damaged(const QString& word) {
    QString text = word.left(2);
    text += QChar(0x0001);
    text += QChar(0x000B); // vertical tab
    text += QChar(0xD800); // a high surrogate with no low one
    text += QChar(0xFFFE);
    text += QChar(0x001B);
    text += word.mid(2);
    return text;
}

void Paste(QWidget* widget, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(InspectionFixture, PastedControlCharactersNeverBreakTheProtocol) {
    ASSERT_NO_FATAL_FAILURE(TypeInspection());
    Click("ButtonBack");
    Click("ButtonBack");
    Click("ButtonBack");
    auto* locality = Find<QLineEdit>("Mesto");
    locality->selectAll();
    Paste(locality, Damaged(QStringLiteral("Тула")));
    ASSERT_TRUE(locality->text().contains(QChar(0xD800)) || locality->text().contains(u'\x01'))
        << "the clipboard brought nothing damaged";
    Click("ButtonForward");
    Click("ButtonForward");
    auto* memo = Find<QPlainTextEdit>("Memo1");
    Click("ButtonForward");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    Paste(memo, Damaged(QStringLiteral("Вывод")));

    Click("ButtonForward");
    ASSERT_TRUE(failures_.isEmpty()) << failures_.join(u' ').toStdString();
    ASSERT_EQ(opened_.size(), 1);
    const QStringList paragraphs = ProtocolParagraphs(opened_[0]);
    const QString text = paragraphs.join(u'\n');
    // The readable parts stand together where the damaged texts went, with at most a
    // replacement mark where the broken surrogate was: the locality is its cell's whole
    // paragraph, and the conclusion's paragraph ends in the pasted word (indexOf matches a
    // whole paragraph). The protocol's own text holds "Ту", "ла", "Вы" and "вод" too, so
    // looking for the parts alone proves nothing.
    const QRegularExpression localityText(QStringLiteral("Ту[\\x{FFFD}?]?ла"));
    const QRegularExpression conclusion(QStringLiteral("[\\s\\S]*Вы[\\x{FFFD}?]?вод"));
    EXPECT_TRUE(paragraphs.indexOf(localityText) >= 0) << text.toStdString();
    EXPECT_TRUE(paragraphs.indexOf(conclusion) >= 0) << text.toStdString();

    // The part itself, as bytes: well-formed UTF-8 of characters XML allows.
    QFile file(opened_[0]);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray package = file.readAll();
    const std::string xml = protocol::testing::ReadPart(
        std::string(package.constData(), static_cast<std::size_t>(package.size())),
        "word/document.xml");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(QByteArrayView(xml.data(), qsizetype(xml.size())));
    EXPECT_FALSE(utf8.hasError()) << "document.xml is not well-formed UTF-8";
    for (char32_t c : decoded.toUcs4()) {
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
        EXPECT_TRUE(allowed) << "U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_FALSE(decoded.contains(QStringLiteral("&#"))) << "a character reference";
}

} // namespace

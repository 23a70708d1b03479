#include "core/import/TextLines.h"

#include "core/import/ShiftJisVariants.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TextLines)
};

const QByteArray kUtf8Mark("\xEF\xBB\xBF", 3);

bool IsUtf16(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArray("\xFF\xFE", 2)) || bytes.startsWith(QByteArray("\xFE\xFF", 2));
}

// Line ends and tabs are the only control characters a text of ours holds.
int ControlByte(QByteArrayView line)
{
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return byte;
    }
    return -1;
}

// Where one line lies in the bytes, without its end.
struct Span {
    qsizetype start;
    qsizetype length;
};

// Lines end at CR LF, LF or CR alike; a last line may lack its end. None
// past `most` lines: more are counted, not kept.
std::vector<Span> LineSpans(const QByteArray& bytes, int most, int& count)
{
    std::vector<Span> spans;
    count = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        if (++count <= most)
            spans.push_back({start, end - start});
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return spans;
}

bool Decodes(QStringDecoder& decoder, QByteArrayView bytes, QString* text = nullptr)
{
    decoder.resetState();
    const QString decoded = decoder.decode(bytes);
    if (text)
        *text = decoded;
    return !decoder.hasError();
}

QString SaveAgain()
{
    return Text::tr("文字コード Shift-JIS（Windows-31J）か UTF-8 で保存し直してください");
}

TextLines Refused(int line, const QString& reason)
{
    TextLines result;
    result.problemLine = line;
    result.problem = reason;
    return result;
}

} // namespace

TextLines DecodeTextLines(const QByteArray& bytes)
{
    if (bytes.size() > kLargestImportText)
        return Refused(0, Text::tr("ファイルが大きすぎます（取り込めるのは %1 MiB まで）").arg(kLargestImportText / (1024 * 1024)));
    if (bytes.isEmpty())
        return Refused(0, Text::tr("ファイルが空です"));
    if (IsUtf16(bytes))
        return Refused(0, Text::tr("UTF-16 のテキストは読めません。Shift-JIS か UTF-8 で保存してください"));

    const bool marked = bytes.startsWith(kUtf8Mark);
    const QByteArray body = marked ? bytes.mid(kUtf8Mark.size()) : bytes;
    int count = 0;
    const std::vector<Span> spans = LineSpans(body, kMostImportLines, count);
    if (count > kMostImportLines)
        return Refused(0, Text::tr("行が多すぎます（%1 行。取り込めるのは %2 行まで）").arg(count).arg(kMostImportLines));
    const auto line = [&](std::size_t i) { return QByteArrayView(body).sliced(spans[i].start, spans[i].length); };
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (const int control = ControlByte(line(i)); control >= 0)
            return Refused(number, Text::tr("制御文字 0x%1 があります。テキストファイルではありません")
                                       .arg(control, 2, 16, QLatin1Char('0')));
        if (spans[i].length > kLongestImportLine)
            return Refused(number, Text::tr("行が長すぎます（%1 バイト。1行は %2 バイトまで）")
                                       .arg(spans[i].length)
                                       .arg(kLongestImportLine));
    }

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const bool isUtf8 = marked || Decodes(utf8, body);
    QStringDecoder shiftJis("windows-31j", QStringDecoder::Flag::Stateless);
    if (!isUtf8 && !shiftJis.isValid())
        return Refused(0, Text::tr("Shift-JIS のテキストを読む機能がありません"));
    QStringDecoder& decoder = isUtf8 ? utf8 : shiftJis;

    TextLines result;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QString text;
        if (!Decodes(decoder, line(i), &text))
            return Refused(number, isUtf8 ? Text::tr("UTF-8 として読めない文字があります。%1").arg(SaveAgain())
                                          : Text::tr("Shift-JIS としても UTF-8 としても読めない文字があります。"
                                                     "文字コードが Shift-JIS でも UTF-8 でもないテキストです。%1").arg(SaveAgain()));
        // A spreadsheet that read the file in another character set saves this
        // mark where it could not read a character: those characters are lost.
        if (text.contains(QChar::ReplacementCharacter))
            return Refused(number, Text::tr("読めなかった文字の印「%1」があります。Shift-JIS でも UTF-8 でもない文字コードで"
                                            "読み込んで保存したテキストです。出力したファイルを文字コード Shift-JIS（Windows-31J）か "
                                            "UTF-8 で開き直し、同じ文字コードで保存してください")
                                       .arg(QChar(QChar::ReplacementCharacter)));
        result.lines.push_back({number, UnifyShiftJisVariants(text)});
    }
    return result;
}

} // namespace quindaro2

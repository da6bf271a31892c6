#include "shell/settings_format.h"

#include "state/version.h"

#include <QStringDecoder>

QString Settings_Stamp(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyMMddHHmm"));
}

QString Settings_Header(const QDateTime& when)
{
    return QStringLiteral("でるぼん ") + QString::fromStdString(Version_Label()) +
           QStringLiteral(" 設定ファイル [") + Settings_Stamp(when) + QChar(u']');
}

std::optional<QString> Settings_Decode(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    // Stateless, so a sequence cut off at the end counts as invalid instead of vanishing.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder sjis("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (!sjis.isValid())
        return std::nullopt;
    text = sjis.decode(bytes);
    if (sjis.hasError())
        return std::nullopt;
    return text;
}

QStringList Settings_Split_Lines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString Settings_Item(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t'))
        ++i;
    if (i < line.size() && line[i] == u'"') {
        const qsizetype close = line.indexOf(u'"', i + 1);
        return close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
    }
    const qsizetype comma = line.indexOf(u',', i);
    return (comma < 0 ? line.mid(i) : line.mid(i, comma - i)).trimmed();
}

std::optional<int32_t> Settings_Number(const QString& item)
{
    const QString text = item.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        // Stop before the value can outgrow even 64 bits.
        if (value > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

QString Settings_Mid(const QString& text, int first, int count)
{
    QString taken;
    int position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character.
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        ++position;
        if (position >= first && position < first + count) {
            taken += text[i];
            if (pair)
                taken += text[i + 1];
        }
        if (pair)
            ++i;
    }
    return taken;
}

QString Settings_Storable_Name(const QString& name)
{
    QString stored = name;
    stored.replace(QChar(u'"'), QChar(u'＂'));
    stored.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    stored.replace(QChar(u'\r'), QChar(u' '));
    stored.replace(QChar(u'\n'), QChar(u' '));
    return stored;
}

QString Settings_Quoted(const QString& text)
{
    return QChar(u'"') + text + QChar(u'"');
}

void Append_Settings_Table(QStringList& lines, std::span<const Score_Entry> table)
{
    for (const Score_Entry& entry : table) {
        lines << Settings_Quoted(Settings_Storable_Name(QString::fromStdString(entry.Name)));
        lines << QString::number(entry.Score);
    }
}

QByteArray Settings_Bytes(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

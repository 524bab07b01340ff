#include "TRvRenderHTML.h"

#include "CommitSaveFile.h"
#include "EReportException.h"
#include "TFontMetrics.h"
#include "TSnapshotReader.h"
#include "TextUtils.h"

#include <QColor>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>

namespace {

// Points with three decimals: a thousandth of a point is far below what any
// output shows, and keeps the file byte-stable.
QString Pt(double Inches)
{
    double Points = Inches * 72.0;
    if (std::abs(Points) < 0.0005)
        Points = 0;
    return QString::number(Points, 'f', 3) + QStringLiteral("pt");
}

QString Css(QRgb Rgb)
{
    if (qAlpha(Rgb) == 255)
        return QColor::fromRgb(Rgb).name(QColor::HexRgb);
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(qRed(Rgb))
        .arg(qGreen(Rgb))
        .arg(qBlue(Rgb))
        .arg(QString::number(qAlpha(Rgb) / 255.0, 'f', 3));
}

QString Box(double X, double Y, double W, double H)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4").arg(Pt(X), Pt(Y), Pt(W), Pt(H));
}

// A font family as a CSS string: every character but letters, digits, blank,
// '-' and '_' as a hex escape, so no family can end the string, the
// declaration or the attribute around it.
QString CssString(const QString &Text)
{
    QString Result(QLatin1Char('\''));
    for (const char32_t Code : Text.toUcs4()) {
        const bool Safe = (Code >= 'a' && Code <= 'z') || (Code >= 'A' && Code <= 'Z')
            || (Code >= '0' && Code <= '9') || Code == ' ' || Code == '-' || Code == '_';
        if (Safe)
            Result += QChar(char16_t(Code));
        else
            Result += QStringLiteral("\\%1 ").arg(quint32(Code), 0, 16);
    }
    return Result + QLatin1Char('\'');
}

// Text of a page or the title as the document's text: control characters
// shown escaped, markup characters as entities.
QString HtmlText(const QString &Text)
{
    return EscapeControlChars(Text).toHtmlEscaped();
}

const char *StyleSheet = "body{margin:0;background:#808080}\n"
                         ".page{position:relative;overflow:hidden;background:#fff;margin:12pt auto}\n"
                         ".page div,.page svg{position:absolute;margin:0;padding:0;box-sizing:border-box}\n"
                         ".t{white-space:pre}\n"
                         "@media print{body{background:none}.page{margin:0;break-after:page}}\n";

} // namespace

TRvRenderHTML::TRvRenderHTML()
{
    DisplayName = QStringLiteral("Web Document (HTML)");
    FileExtension = QStringLiteral("*.html;*.htm");
}

QString TRvRenderHTML::LineHtml(const TPageItem &Item)
{
    const double Half = Item.PenWidth / 2;
    // Straight lines are boxes of the pen's width, as the painter draws them
    // with flat ends; slanted ones need a drawing.
    if (Item.Y == Item.Y2) {
        const double Left = qMin(Item.X, Item.X2);
        return QStringLiteral("<div style=\"%1;background:%2\"></div>\n")
            .arg(Box(Left, Item.Y - Half, std::abs(Item.X2 - Item.X), Item.PenWidth), Css(Item.Color));
    }
    if (Item.X == Item.X2) {
        const double Top = qMin(Item.Y, Item.Y2);
        return QStringLiteral("<div style=\"%1;background:%2\"></div>\n")
            .arg(Box(Item.X - Half, Top, Item.PenWidth, std::abs(Item.Y2 - Item.Y)), Css(Item.Color));
    }
    const double Left = qMin(Item.X, Item.X2) - Half;
    const double Top = qMin(Item.Y, Item.Y2) - Half;
    const double W = std::abs(Item.X2 - Item.X) + Item.PenWidth;
    const double H = std::abs(Item.Y2 - Item.Y) + Item.PenWidth;
    auto Num = [](double Inches) { return QString::number(Inches * 72.0, 'f', 3); };
    return QStringLiteral(
        "<svg style=\"%1\" viewBox=\"0 0 %2 %3\"><line x1=\"%4\" y1=\"%5\" x2=\"%6\" y2=\"%7\" "
        "stroke=\"%8\" stroke-width=\"%9\"/></svg>\n")
        .arg(Box(Left, Top, W, H), Num(W), Num(H), Num(Item.X - Left), Num(Item.Y - Top), Num(Item.X2 - Left),
            Num(Item.Y2 - Top), Css(Item.Color), Num(Item.PenWidth));
}

QString TRvRenderHTML::RectHtml(const TPageItem &Item)
{
    // The outline is centred on the rectangle's edges, as the painter strokes it.
    const double Half = Item.PenWidth / 2;
    QString Style = Box(Item.X - Half, Item.Y - Half, Item.W + Item.PenWidth, Item.H + Item.PenWidth);
    if (Item.PenWidth > 0)
        Style += QStringLiteral(";border:%1 solid %2").arg(Pt(Item.PenWidth), Css(Item.Color));
    if (Item.Has(TPageItem::Filled))
        Style += QStringLiteral(";background:%1").arg(Css(Item.FillColor));
    if (Item.RadiusX > 0 && Item.RadiusY > 0)
        Style += QStringLiteral(";border-radius:%1/%2").arg(Pt(Item.RadiusX + Half), Pt(Item.RadiusY + Half));
    return QStringLiteral("<div style=\"%1\"></div>\n").arg(Style);
}

QString TRvRenderHTML::TextHtml(const TReportPage &Page, const TPageItem &Item)
{
    const TReportFont &Font = Page.FontOf(Item);
    double Left = Item.X;
    double Width = Item.W;
    // A text anchored at a point gets a box of its own width around it.
    if (Width <= 0) {
        Width = TFontMetrics::TextWidth(Font, Item.Text);
        if (Item.Align == TTextAlign::Right)
            Left -= Width;
        else if (Item.Align == TTextAlign::Center)
            Left -= Width / 2;
    }
    static const char *Aligns[] = { "left", "center", "right" };
    QString Style = Box(Left, Item.Y, Width, Item.H);
    // With the line box exactly ascent plus descent high, the browser puts
    // the baseline where the painter does: one ascent below the top.
    Style += QStringLiteral(";line-height:%1;font-family:%2;font-size:%3pt;text-align:%4;color:%5")
                 .arg(Pt(Item.H), CssString(Font.Family), QString::number(Font.Size, 'g', 6),
                     QLatin1String(Aligns[int(Item.Align)]), Css(Item.Color));
    if (Font.Bold)
        Style += QStringLiteral(";font-weight:bold");
    if (Font.Italic)
        Style += QStringLiteral(";font-style:italic");
    if (Font.Underline)
        Style += QStringLiteral(";text-decoration:underline");
    Style += Item.Has(TPageItem::Clipped) && Item.W > 0 ? QStringLiteral(";overflow:hidden")
                                                        : QStringLiteral(";overflow:visible");
    return QStringLiteral("<div class=\"t\" style=\"%1\">%2</div>\n")
        .arg(Style.toHtmlEscaped(), HtmlText(Item.Text));
}

void TRvRenderHTML::WritePage(QTextStream &Out, const TReportPage &Page, int Number) const
{
    Out << QStringLiteral("<div class=\"page\" id=\"page%1\" style=\"width:%2;height:%3\">\n")
               .arg(Number)
               .arg(Pt(Page.Width), Pt(Page.Height));
    for (const TPageItem &Item : Page.Items) {
        if (Item.Has(TPageItem::PreviewOnly))
            continue;
        switch (Item.Kind) {
        case TPageItem::TKind::Line:
            if (Item.PenWidth > 0)
                Out << LineHtml(Item);
            break;
        case TPageItem::TKind::Rect:
            Out << RectHtml(Item);
            break;
        case TPageItem::TKind::Text:
            Out << TextHtml(Page, Item);
            break;
        }
    }
    Out << "</div>\n";
}

void TRvRenderHTML::Render(const TSnapshotReader &Snapshot, const QString &FileName)
{
    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly))
        throw EReportException(
            QStringLiteral("The HTML file %1 could not be written: %2").arg(FileName, File.errorString()));
    QTextStream Out(&File);
    Out.setEncoding(QStringConverter::Utf8);
    Out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n<title>" << HtmlText(Title)
        << "</title>\n<style>\n"
        << StyleSheet << "</style>\n</head>\n<body>\n";
    for (int Number = 1; Number <= Snapshot.PageCount(); ++Number) {
        WritePage(Out, Snapshot.Page(Number), Number);
        if (OnPage)
            OnPage(Number);
    }
    Out << "</body>\n</html>\n";
    Out.flush();
    const QString Problem = Out.status() == QTextStream::Ok ? CommitSaveFile(File) : File.errorString();
    if (!Problem.isEmpty())
        throw EReportException(
            QStringLiteral("The HTML file %1 could not be written: %2").arg(FileName, Problem));
}

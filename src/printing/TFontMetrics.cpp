#include "TFontMetrics.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>

// Found by argument lookup for the fonts cached below.
static size_t qHash(const TReportFont &Font, size_t Seed = 0)
{
    return qHashMulti(Seed, Font.Family, Font.Size, Font.Bold, Font.Italic, Font.Underline);
}

namespace {

constexpr double ReferenceDpi = 1200.0;

// Metrics are asked for every text item of every page, and the same captions
// come again on every page of a run; building the metrics and shaping a text
// are the costly parts, so both are kept per font.
struct TFontEntry {
    QFontMetricsF Metrics;
    double Ascent = 0;
    double Descent = 0;
    double LineSpacing = 0;
    // Widths of the texts measured so far; let go when it grows past a
    // bound, as the data texts of a long run are mostly new.
    QHash<QString, double> Widths;

    explicit TFontEntry(const QFontMetricsF &From)
        : Metrics(From)
        , Ascent(From.ascent() / ReferenceDpi)
        , Descent(From.descent() / ReferenceDpi)
        , LineSpacing(From.lineSpacing() / ReferenceDpi)
    {
    }

    double Width(const QString &Text)
    {
        if (const auto Found = Widths.constFind(Text); Found != Widths.cend())
            return *Found;
        if (Widths.size() >= MaxWidths)
            Widths.clear();
        const double Result = Metrics.horizontalAdvance(Text) / ReferenceDpi;
        Widths.insert(Text, Result);
        return Result;
    }

    static constexpr qsizetype MaxWidths = 8192;
};

struct TMetricsCache {
    QImage Device;
    QHash<TReportFont, TFontEntry> Fonts;

    TMetricsCache()
        : Device(1, 1, QImage::Format_RGB32)
    {
        const int DotsPerMeter = qRound(ReferenceDpi / 0.0254);
        Device.setDotsPerMeterX(DotsPerMeter);
        Device.setDotsPerMeterY(DotsPerMeter);
    }

    QFont FontFor(const TReportFont &Font) const
    {
        QFont Result = Font.ToQFont(ReferenceDpi, Device.logicalDpiY());
        Result.setHintingPreference(QFont::PreferNoHinting);
        return Result;
    }

    TFontEntry &For(const TReportFont &Font)
    {
        auto Found = Fonts.find(Font);
        if (Found == Fonts.end())
            Found = Fonts.insert(Font, TFontEntry(QFontMetricsF(FontFor(Font), &Device)));
        return *Found;
    }
};

TMetricsCache &Cache()
{
    static TMetricsCache Instance;
    return Instance;
}

} // namespace

double TFontMetrics::Ascent(const TReportFont &Font)
{
    return Cache().For(Font).Ascent;
}

double TFontMetrics::Descent(const TReportFont &Font)
{
    return Cache().For(Font).Descent;
}

double TFontMetrics::Height(const TReportFont &Font)
{
    return Ascent(Font) + Descent(Font);
}

double TFontMetrics::LineSpacing(const TReportFont &Font)
{
    return Cache().For(Font).LineSpacing;
}

double TFontMetrics::TextWidth(const TReportFont &Font, const QString &Text)
{
    return Cache().For(Font).Width(Text);
}

QString TFontMetrics::ResolvedFamily(const TReportFont &Font)
{
    return QFontInfo(Cache().FontFor(Font)).family();
}

#include "TFontMetrics.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>

namespace {

constexpr double ReferenceDpi = 1200.0;

// Metrics are asked for every text item of every page; building them is the
// costly part, so they are kept per font.
struct TMetricsCache {
    QImage Device;
    QHash<QString, QFontMetricsF> Metrics;

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

    const QFontMetricsF &For(const TReportFont &Font)
    {
        const QString Key = QStringLiteral("%1|%2|%3%4%5")
                                .arg(Font.Family)
                                .arg(Font.Size, 0, 'g', 17)
                                .arg(int(Font.Bold))
                                .arg(int(Font.Italic))
                                .arg(int(Font.Underline));
        auto Found = Metrics.find(Key);
        if (Found == Metrics.end())
            Found = Metrics.insert(Key, QFontMetricsF(FontFor(Font), &Device));
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
    return Cache().For(Font).ascent() / ReferenceDpi;
}

double TFontMetrics::Descent(const TReportFont &Font)
{
    return Cache().For(Font).descent() / ReferenceDpi;
}

double TFontMetrics::Height(const TReportFont &Font)
{
    return Ascent(Font) + Descent(Font);
}

double TFontMetrics::LineSpacing(const TReportFont &Font)
{
    return Cache().For(Font).lineSpacing() / ReferenceDpi;
}

double TFontMetrics::TextWidth(const TReportFont &Font, const QString &Text)
{
    return Cache().For(Font).horizontalAdvance(Text) / ReferenceDpi;
}

QString TFontMetrics::ResolvedFamily(const TReportFont &Font)
{
    return QFontInfo(Cache().FontFor(Font)).family();
}

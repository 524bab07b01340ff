#include "TReportProject.h"

#include "EReportException.h"
#include "FileUtils.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace {

const QString FormatName = QStringLiteral("qmrk-report-project");
constexpr int FormatVersion = 1;
constexpr double MaxInches = 100.0;

// Checks the document's structure, naming the place of a fault as a path
// ("reports[1] \"FormW2\" > items[4] (field \"Boxa\")").
class TChecker {
public:
    explicit TChecker(const QString &File)
        : FFile(File)
    {
    }

    [[noreturn]] void Fail(const QString &Problem) const
    {
        const QString Where
            = FPlace.isEmpty() ? QString() : QStringLiteral(" at %1").arg(FPlace.join(u" > "));
        throw EReportException(
            QStringLiteral("The report project %1 is malformed%2: %3.").arg(FFile, Where, Problem));
    }

    void Enter(const QString &Place) { FPlace.append(Place); }
    void Leave() { FPlace.removeLast(); }

    void OnlyKeys(const QJsonObject &Object, const QStringList &Allowed) const
    {
        for (auto It = Object.begin(); It != Object.end(); ++It)
            if (!Allowed.contains(It.key()) && It.key() != QLatin1String("comment"))
                Fail(QStringLiteral("unknown key \"%1\"").arg(It.key()));
    }

    QJsonValue Required(const QJsonObject &Object, const QString &Key) const
    {
        if (!Object.contains(Key))
            Fail(QStringLiteral("\"%1\" is missing").arg(Key));
        return Object.value(Key);
    }

    double Number(const QJsonObject &Object, const QString &Key, double Low, double High,
        std::optional<double> Default = std::nullopt) const
    {
        if (!Object.contains(Key) && Default)
            return *Default;
        const QJsonValue Value = Required(Object, Key);
        if (!Value.isDouble() || !std::isfinite(Value.toDouble()))
            Fail(QStringLiteral("\"%1\" must be a number").arg(Key));
        const double Result = Value.toDouble();
        if (Result < Low || Result > High)
            Fail(QStringLiteral("\"%1\" is %2, outside %3 to %4").arg(Key).arg(Result).arg(Low).arg(High));
        return Result;
    }

    QString Text(
        const QJsonObject &Object, const QString &Key, std::optional<QString> Default = std::nullopt) const
    {
        if (!Object.contains(Key) && Default)
            return *Default;
        const QJsonValue Value = Required(Object, Key);
        if (!Value.isString())
            Fail(QStringLiteral("\"%1\" must be a text").arg(Key));
        return Value.toString();
    }

    bool Flag(const QJsonObject &Object, const QString &Key, bool Default) const
    {
        if (!Object.contains(Key))
            return Default;
        const QJsonValue Value = Object.value(Key);
        if (!Value.isBool())
            Fail(QStringLiteral("\"%1\" must be true or false").arg(Key));
        return Value.toBool();
    }

    QRgb Color(const QJsonObject &Object, const QString &Key, QRgb Default) const
    {
        if (!Object.contains(Key))
            return Default;
        static const QRegularExpression Hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QString Value = Text(Object, Key);
        if (!Hex.match(Value).hasMatch())
            Fail(QStringLiteral("\"%1\" must be a colour like \"#1A2B3C\"").arg(Key));
        return QColor::fromString(Value).rgb();
    }

    QJsonObject Object(const QJsonValue &Value, const QString &What) const
    {
        if (!Value.isObject())
            Fail(QStringLiteral("%1 must be an object").arg(What));
        return Value.toObject();
    }

    QJsonArray Array(const QJsonValue &Value, const QString &What) const
    {
        if (!Value.isArray())
            Fail(QStringLiteral("%1 must be a list").arg(What));
        return Value.toArray();
    }

private:
    QString FFile;
    QStringList FPlace;
};

TReportFont ReadFont(TChecker &Check, const QJsonValue &Value, const TReportFont &Default)
{
    Check.Enter(QStringLiteral("font"));
    const QJsonObject Object = Check.Object(Value, QStringLiteral("a font"));
    Check.OnlyKeys(Object,
        { QStringLiteral("family"), QStringLiteral("size"), QStringLiteral("bold"), QStringLiteral("italic"),
            QStringLiteral("underline") });
    TReportFont Font;
    Font.Family = Check.Text(Object, QStringLiteral("family"), Default.Family);
    if (Font.Family.trimmed().isEmpty())
        Check.Fail(QStringLiteral("the font family is empty"));
    // Helvetica is a different font from one machine to the next; Arial is
    // Liberation Sans everywhere the program is installed.
    if (Font.Family.compare(QLatin1String("Helvetica"), Qt::CaseInsensitive) == 0)
        Check.Fail(QStringLiteral("use the font \"Arial\", not \"Helvetica\""));
    Font.Size = Check.Number(Object, QStringLiteral("size"), 1, 200, Default.Size);
    Font.Bold = Check.Flag(Object, QStringLiteral("bold"), Default.Bold);
    Font.Italic = Check.Flag(Object, QStringLiteral("italic"), Default.Italic);
    Font.Underline = Check.Flag(Object, QStringLiteral("underline"), Default.Underline);
    Check.Leave();
    return Font;
}

TTextAlign ReadAlign(TChecker &Check, const QJsonObject &Object)
{
    const QString Align = Check.Text(Object, QStringLiteral("align"), QStringLiteral("left"));
    if (Align == QLatin1String("left"))
        return TTextAlign::Left;
    if (Align == QLatin1String("center"))
        return TTextAlign::Center;
    if (Align == QLatin1String("right"))
        return TTextAlign::Right;
    Check.Fail(QStringLiteral("\"align\" must be \"left\", \"center\" or \"right\", not \"%1\"").arg(Align));
}

TReportItemDef::TVAlign ReadVAlign(TChecker &Check, const QJsonObject &Object)
{
    const QString Align = Check.Text(Object, QStringLiteral("valign"), QStringLiteral("top"));
    if (Align == QLatin1String("top"))
        return TReportItemDef::TVAlign::Top;
    if (Align == QLatin1String("center"))
        return TReportItemDef::TVAlign::Center;
    if (Align == QLatin1String("bottom"))
        return TReportItemDef::TVAlign::Bottom;
    Check.Fail(QStringLiteral("\"valign\" must be \"top\", \"center\" or \"bottom\", not \"%1\"").arg(Align));
}

void ReadLine(TChecker &Check, const QJsonObject &Object, TReportItemDef &Item)
{
    Check.OnlyKeys(Object,
        { QStringLiteral("type"), QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
            QStringLiteral("y2"), QStringLiteral("pen"), QStringLiteral("color"),
            QStringLiteral("previewOnly"), QStringLiteral("background") });
    Item.X = Check.Number(Object, QStringLiteral("x1"), -MaxInches, MaxInches);
    Item.Y = Check.Number(Object, QStringLiteral("y1"), -MaxInches, MaxInches);
    Item.X2 = Check.Number(Object, QStringLiteral("x2"), -MaxInches, MaxInches);
    Item.Y2 = Check.Number(Object, QStringLiteral("y2"), -MaxInches, MaxInches);
    Item.Pen = Check.Number(Object, QStringLiteral("pen"), 0, 1, 0.01);
    Item.Color = Check.Color(Object, QStringLiteral("color"), 0xFF000000);
    Item.PreviewOnly = Check.Flag(Object, QStringLiteral("previewOnly"), false);
}

void ReadRect(TChecker &Check, const QJsonObject &Object, TReportItemDef &Item)
{
    Check.OnlyKeys(Object,
        { QStringLiteral("type"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("width"),
            QStringLiteral("height"), QStringLiteral("pen"), QStringLiteral("color"), QStringLiteral("fill"),
            QStringLiteral("radius"), QStringLiteral("previewOnly"), QStringLiteral("background") });
    Item.X = Check.Number(Object, QStringLiteral("x"), -MaxInches, MaxInches);
    Item.Y = Check.Number(Object, QStringLiteral("y"), -MaxInches, MaxInches);
    Item.Width = Check.Number(Object, QStringLiteral("width"), 0, MaxInches);
    Item.Height = Check.Number(Object, QStringLiteral("height"), 0, MaxInches);
    Item.Pen = Check.Number(Object, QStringLiteral("pen"), 0, 1, 0.01);
    Item.Color = Check.Color(Object, QStringLiteral("color"), 0xFF000000);
    Item.Filled = Object.contains(QStringLiteral("fill"));
    Item.Fill = Check.Color(Object, QStringLiteral("fill"), 0xFF000000);
    Item.Radius = Check.Number(Object, QStringLiteral("radius"), 0, MaxInches, 0);
    Item.PreviewOnly = Check.Flag(Object, QStringLiteral("previewOnly"), false);
}

void ReadText(TChecker &Check, const QJsonObject &Object, TReportItemDef &Item, const TReportFont &Font)
{
    const bool Field = Item.Kind == TReportItemDef::TKind::Field;
    const QString Content = Field ? QStringLiteral("param") : QStringLiteral("text");
    Check.OnlyKeys(Object,
        { QStringLiteral("type"), Content, QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("width"),
            QStringLiteral("height"), QStringLiteral("font"), QStringLiteral("align"),
            QStringLiteral("valign"), QStringLiteral("clip"), QStringLiteral("fit"),
            QStringLiteral("minFontSize"), QStringLiteral("color"), QStringLiteral("previewOnly"),
            QStringLiteral("background") });
    Item.Text = Check.Text(Object, Content);
    static const QRegularExpression Name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (Field && !Name.match(Item.Text).hasMatch())
        Check.Fail(QStringLiteral("\"%1\" is not a parameter name (letters, digits, '_')").arg(Item.Text));
    Item.X = Check.Number(Object, QStringLiteral("x"), -MaxInches, MaxInches);
    Item.Y = Check.Number(Object, QStringLiteral("y"), -MaxInches, MaxInches);
    Item.Width = Check.Number(Object, QStringLiteral("width"), 0, MaxInches, 0);
    Item.Height = Check.Number(Object, QStringLiteral("height"), 0, MaxInches, 0);
    Item.Font = Object.contains(QStringLiteral("font"))
        ? ReadFont(Check, Object.value(QStringLiteral("font")), Font)
        : Font;
    Item.Align = ReadAlign(Check, Object);
    Item.VAlign = ReadVAlign(Check, Object);
    Item.Clip = Check.Flag(Object, QStringLiteral("clip"), false);
    if (Item.Clip && Item.Width <= 0)
        Check.Fail(QStringLiteral("a clipped text needs a \"width\""));
    Item.Fit = Check.Flag(Object, QStringLiteral("fit"), false);
    if (Item.Fit && Item.Width <= 0)
        Check.Fail(QStringLiteral("a fitted text needs a \"width\""));
    Item.MinFontSize = Check.Number(Object, QStringLiteral("minFontSize"), 1, 200, 6);
    if (Object.contains(QStringLiteral("minFontSize")) && !Item.Fit)
        Check.Fail(QStringLiteral("\"minFontSize\" needs \"fit\": true"));
    Item.Color = Check.Color(Object, QStringLiteral("color"), 0xFF000000);
    Item.PreviewOnly = Check.Flag(Object, QStringLiteral("previewOnly"), false);
}

QString ItemPlace(int Index, const QJsonValue &Value)
{
    const QJsonObject Object = Value.toObject();
    QString Place = QStringLiteral("items[%1]").arg(Index);
    const QString Type = Object.value(QStringLiteral("type")).toString();
    if (Type == QLatin1String("field") && Object.value(QStringLiteral("param")).isString())
        Place += QStringLiteral(" (field \"%1\")").arg(Object.value(QStringLiteral("param")).toString());
    else if (Type == QLatin1String("text") && Object.value(QStringLiteral("text")).isString())
        Place
            += QStringLiteral(" (text \"%1\")").arg(Object.value(QStringLiteral("text")).toString().left(30));
    else if (!Type.isEmpty())
        Place += QStringLiteral(" (%1)").arg(Type);
    return Place;
}

TReportItemDef ReadItem(TChecker &Check, const QJsonValue &Value, const TReportFont &Font)
{
    const QJsonObject Object = Check.Object(Value, QStringLiteral("an item"));
    const QString Type = Check.Text(Object, QStringLiteral("type"));
    TReportItemDef Item;
    if (Type == QLatin1String("line")) {
        Item.Kind = TReportItemDef::TKind::Line;
        ReadLine(Check, Object, Item);
    } else if (Type == QLatin1String("rect")) {
        Item.Kind = TReportItemDef::TKind::Rect;
        ReadRect(Check, Object, Item);
    } else if (Type == QLatin1String("text") || Type == QLatin1String("field")) {
        Item.Kind
            = Type == QLatin1String("text") ? TReportItemDef::TKind::Text : TReportItemDef::TKind::Field;
        ReadText(Check, Object, Item, Font);
    } else {
        Check.Fail(QStringLiteral("\"type\" must be \"line\", \"rect\", \"text\" or \"field\", not \"%1\"")
                       .arg(Type));
    }
    Item.Background = Check.Flag(Object, QStringLiteral("background"), false);
    return Item;
}

TReportDefinition ReadReport(TChecker &Check, const QJsonValue &Value)
{
    const QJsonObject Object = Check.Object(Value, QStringLiteral("a report"));
    Check.OnlyKeys(Object,
        { QStringLiteral("name"), QStringLiteral("page"), QStringLiteral("font"), QStringLiteral("items") });
    TReportDefinition Report;
    Report.Name = Check.Text(Object, QStringLiteral("name"));
    if (Report.Name.trimmed().isEmpty())
        Check.Fail(QStringLiteral("the report's name is empty"));
    Check.Enter(QStringLiteral("page"));
    const QJsonObject Page
        = Check.Object(Check.Required(Object, QStringLiteral("page")), QStringLiteral("\"page\""));
    Check.OnlyKeys(Page, { QStringLiteral("width"), QStringLiteral("height") });
    Report.PageWidth = Check.Number(Page, QStringLiteral("width"), 1, MaxInches);
    Report.PageHeight = Check.Number(Page, QStringLiteral("height"), 1, MaxInches);
    Check.Leave();
    const TReportFont Font = Object.contains(QStringLiteral("font"))
        ? ReadFont(Check, Object.value(QStringLiteral("font")), TReportFont())
        : TReportFont();
    const QJsonArray Items
        = Check.Array(Check.Required(Object, QStringLiteral("items")), QStringLiteral("\"items\""));
    for (int I = 0; I < Items.size(); ++I) {
        Check.Enter(ItemPlace(I, Items.at(I)));
        Report.Items.append(ReadItem(Check, Items.at(I), Font));
        Check.Leave();
    }
    return Report;
}

// Line and column of a byte offset, for syntax errors.
QString LineAndColumn(const QByteArray &Json, int Offset)
{
    const QByteArray Before = Json.left(qBound(0, Offset, int(Json.size())));
    const int Line = int(Before.count('\n')) + 1;
    const int LineStart = int(Before.lastIndexOf('\n')) + 1;
    const int Column = int(QString::fromUtf8(Before.mid(LineStart)).size()) + 1;
    return QStringLiteral("line %1, column %2").arg(Line).arg(Column);
}

} // namespace

TReportProject TReportProject::Load(const QString &Path)
{
    const QString Full = QFileInfo(Path).absoluteFilePath();
    if (!QFile::exists(Full))
        throw EReportException(QStringLiteral("The report project %1 does not exist.").arg(Full));
    QByteArray Json;
    QString Reason;
    if (!ReadRegularFile(Full, MaxFileSize, Json, Reason))
        throw EReportException(QStringLiteral("The report project %1 cannot be read: %2").arg(Full, Reason));
    return Parse(Json, Full);
}

TReportProject TReportProject::Parse(const QByteArray &Json, const QString &Path)
{
    QJsonParseError Error;
    const QJsonDocument Document = QJsonDocument::fromJson(Json, &Error);
    if (Error.error != QJsonParseError::NoError)
        throw EReportException(QStringLiteral("The report project %1 is malformed at %2: %3.")
                                   .arg(Path, LineAndColumn(Json, Error.offset), Error.errorString()));
    TChecker Check(Path);
    if (!Document.isObject())
        Check.Fail(QStringLiteral("the document must be an object"));
    const QJsonObject Root = Document.object();
    Check.OnlyKeys(Root, { QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("reports") });
    if (Check.Text(Root, QStringLiteral("format")) != FormatName)
        Check.Fail(QStringLiteral("\"format\" must be \"%1\"").arg(FormatName));
    if (Check.Number(Root, QStringLiteral("version"), 1, 1000) != FormatVersion)
        Check.Fail(QStringLiteral("version %1 is not known to this program")
                       .arg(Root.value(QStringLiteral("version")).toDouble()));
    TReportProject Project;
    Project.FPath = Path;
    const QJsonArray Reports
        = Check.Array(Check.Required(Root, QStringLiteral("reports")), QStringLiteral("\"reports\""));
    for (int I = 0; I < Reports.size(); ++I) {
        const QString Name = Reports.at(I).toObject().value(QStringLiteral("name")).toString();
        Check.Enter(Name.isEmpty() ? QStringLiteral("reports[%1]").arg(I)
                                   : QStringLiteral("reports[%1] \"%2\"").arg(I).arg(Name));
        TReportDefinition Report = ReadReport(Check, Reports.at(I));
        if (Project.Find(Report.Name))
            Check.Fail(QStringLiteral("a report named \"%1\" comes twice").arg(Report.Name));
        Project.FReports.append(Report);
        Check.Leave();
    }
    return Project;
}

QStringList TReportProject::ReportNames() const
{
    QStringList Names;
    for (const TReportDefinition &Report : FReports)
        Names.append(Report.Name);
    return Names;
}

const TReportDefinition *TReportProject::Find(const QString &Name) const
{
    for (const TReportDefinition &Report : FReports)
        if (Report.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return &Report;
    return nullptr;
}

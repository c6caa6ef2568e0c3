#include "session/CurveExport.h"
#include "session/CurveMarkers.h"
#include "session/Session.h"

#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Reads CSV as RFC 4180 writes it: fields split at commas outside quotes, doubled quotes.
std::vector<QStringList> ParseCsv(const QString& text) {
    std::vector<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == '\n') {
            fields << field;
            lines.push_back(fields);
            fields.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return lines;
}

TEST(Curves, ASessionStartsWithOneCurveThatFollowsTheOptions) {
    Session session;
    ASSERT_EQ(session.CurveCount(), 1);
    EXPECT_EQ(session.CurrentCurve().name, QStringLiteral("Curve 1"));
    EXPECT_FALSE(session.CurrentCurve().color.has_value());
    EXPECT_EQ(&session.Table(), session.CurrentCurve().table.get());
    EXPECT_FALSE(session.DeleteCurve(0)) << "the last curve stays";
}

TEST(Curves, NamesMustBeGivenAndUnique) {
    Session session;
    QSignalSpy current(&session, &Session::CurrentCurveChanged);
    EXPECT_EQ(session.CurveNameProblem(QStringLiteral("  ")),
              QStringLiteral("A curve needs a name."));
    EXPECT_EQ(session.CurveNameProblem(QStringLiteral("curve 1")),
              QStringLiteral("There is a curve named \"Curve 1\" already."));
    EXPECT_FALSE(session.AddCurve(QString(), std::nullopt));
    EXPECT_FALSE(session.AddCurve(QStringLiteral("CURVE 1"), std::nullopt));
    EXPECT_EQ(session.CurveCount(), 1);
    EXPECT_EQ(current.count(), 0);
    EXPECT_EQ(session.UnusedCurveName(), QStringLiteral("Curve 2"));
    ASSERT_TRUE(session.AddCurve(QStringLiteral(" Fit "), CurvePaletteColor(2)));
    EXPECT_EQ(session.CurrentCurveIndex(), 1);
    EXPECT_EQ(session.CurrentCurve().name, QStringLiteral("Fit"));
    EXPECT_EQ(current.count(), 1);
    EXPECT_FALSE(session.RenameCurve(1, QStringLiteral("curve 1")));
    EXPECT_TRUE(session.RenameCurve(1, QStringLiteral("FIT"))) << "its own name in other case";
    EXPECT_EQ(session.CurveAt(1).name, QStringLiteral("FIT"));
    EXPECT_NE(CurvePaletteColor(2), CurvePaletteColor(3));
}

TEST(Curves, EachCurveKeepsItsOwnTable) {
    Session session;
    AppendPointRow(session.Table(), 1.0, 2.0);
    EXPECT_FALSE(session.PointsOutsideCurrentCurve());
    ASSERT_TRUE(session.AddCurve(QStringLiteral("B"), std::nullopt));
    EXPECT_EQ(session.Table().PointCount(), 0);
    EXPECT_TRUE(session.PointsOutsideCurrentCurve());
    AppendPointRow(session.Table(), 3.0, 4.0);
    AppendPointRow(session.Table(), 5.0, 6.0);
    session.SetCurrentCurve(0);
    EXPECT_EQ(session.Table().PointCount(), 1);
    EXPECT_EQ(session.TableOf(1).PointCount(), 2);
}

TEST(Curves, DeletingACurveKeepsTheCurrentOneWhereItCan) {
    Session session;
    ASSERT_TRUE(session.AddCurve(QStringLiteral("B"), std::nullopt));
    ASSERT_TRUE(session.AddCurve(QStringLiteral("C"), std::nullopt));
    AppendPointRow(session.Table(), 1.0, 1.0); // into C
    EXPECT_TRUE(session.DeleteCurve(0));
    EXPECT_EQ(session.CurrentCurve().name, QStringLiteral("C")) << "C stays current";
    EXPECT_EQ(session.Table().PointCount(), 1);
    EXPECT_TRUE(session.DeleteCurve(1));
    EXPECT_EQ(session.CurrentCurve().name, QStringLiteral("B")) << "the one before comes";
    EXPECT_FALSE(session.DeleteCurve(5));
    EXPECT_EQ(session.CurveCount(), 1);
}

TEST(Curves, ASessionHoldsAtMostItsLimit) {
    Session session;
    for (int n = 2; n <= MostCurves; ++n) {
        ASSERT_TRUE(session.AddCurve(session.UnusedCurveName(), std::nullopt)) << n;
    }
    EXPECT_FALSE(session.AddCurve(session.UnusedCurveName(), std::nullopt));
    EXPECT_EQ(session.CurveCount(), MostCurves);
}

TEST(Curves, ExportedTextReadsBackAsTheTables) {
    Session session;
    AppendPointRow(session.Table(), 1.5, -2.25);
    ASSERT_TRUE(session.AddCurve(QStringLiteral("say \"hi\", twice"), std::nullopt));
    AppendPointRow(session.Table(), 1e-7, 123456.5);
    AppendPointRow(session.Table(), 3.0f, 4.0f);
    ASSERT_TRUE(session.AddCurve(QStringLiteral("empty"), std::nullopt));
    ASSERT_TRUE(session.AddCurve(QStringLiteral("Ünïcode"), std::nullopt));
    AppendPointRow(session.Table(), 7.0, 8.0);

    const QByteArray csv = AllCurvesCsv(session);
    const std::vector<QStringList> lines = ParseCsv(QString::fromUtf8(csv));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], QStringList({"curve", "x", "y"}));
    std::size_t line = 1;
    for (int index = 0; index < session.CurveCount(); ++index) {
        const DataTable& table = *session.CurveAt(index).table;
        for (int row = 1; row < table.RowCount(); ++row, ++line) {
            ASSERT_LT(line, lines.size());
            EXPECT_EQ(lines[line][0], session.CurveAt(index).name);
            EXPECT_EQ(lines[line][1].toDouble(), table.CellText(row, 1).toDouble());
            EXPECT_EQ(lines[line][2], table.CellText(row, 2).trimmed());
        }
    }
    EXPECT_TRUE(csv.contains("\"say \"\"hi\"\", twice\",")) << csv.toStdString();

    const QStringList tabLines = AllCurvesTabText(session).split(QStringLiteral("\r\n"));
    EXPECT_EQ(tabLines[0], QStringLiteral("curve\tx\ty"));
    EXPECT_EQ(tabLines[4].split(QLatin1Char('\t')).first(), QStringLiteral("Ünïcode"));
}

} // namespace

namespace {

// Marks are redrawn from the tables of the curves that show, each in its colour, the current
// one over the others.
TEST(Curves, MarkersAreRedrawnForEveryShownCurveInItsColour) {
    Session session;
    QImage white(20, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    session.Picture().SetPicture(white);
    session.Picture().SetScale({0, 20, 20, 0});
    AppendPointRow(session.Table(), 5.5, 14.5); // pixel (5, 5)
    AppendPointRow(session.Table(), 10.5, 9.5); // pixel (10, 10), also in B
    ASSERT_TRUE(session.AddCurve(QStringLiteral("B"), PackedRgb(0, 0, 255)));
    AppendPointRow(session.Table(), 10.5, 9.5);
    ASSERT_TRUE(session.AddCurve(QStringLiteral("Hidden"), PackedRgb(0, 255, 0)));
    AppendPointRow(session.Table(), 15.5, 4.5); // pixel (15, 15)
    session.SetCurveShown(2, false);
    session.Picture().Dot(2.5, 17.5, PackedRgb(9, 9, 9)); // a stray mark, erased
    session.SetCurrentCurve(1);
    RedrawCurveMarkers(session);
    const SessionPicture& picture = session.Picture();
    EXPECT_EQ(picture.PixelColor(5, 5), session.settings.PointsColor.Packed());
    EXPECT_EQ(picture.PixelColor(10, 10), PackedRgb(0, 0, 255).Packed()) << "current on top";
    EXPECT_EQ(picture.PixelColor(15, 15), PackedRgb(255, 255, 255).Packed()) << "hidden";
    EXPECT_EQ(picture.PixelColor(2, 2), PackedRgb(255, 255, 255).Packed()) << "erased first";
}

} // namespace

#include "kelvoaddresslabel.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using PointList = QList<QPoint>;

// The lever rows from top to bottom, as the tooltip names them.
const char *const rowNames[] = { "oben", "Mitte", "unten" };

class TestKelvoAddressLabel : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void setAddressName_data();
    void setAddressName();
    void drag_data();
    void drag();
    void keyboard_data();
    void keyboard();
    void translatePosToDipp_data();
    void translatePosToDipp();
    void painting_data();
    void painting();
    void toolTipLanguage();
};

void TestKelvoAddressLabel::geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRectF>("content");
    QTest::addColumn<QSizeF>("cell");

    QTest::newRow("wide") << QSize(250, 90) << QRectF(50, 0, 150, 90) << QSizeF(30, 30);
    QTest::newRow("tall") << QSize(100, 300) << QRectF(0, 120, 100, 60) << QSizeF(20, 20);
    QTest::newRow("exact") << QSize(50, 30) << QRectF(0, 0, 50, 30) << QSizeF(10, 10);
}

void TestKelvoAddressLabel::geometry()
{
    QFETCH(QSize, size);
    QFETCH(QRectF, content);
    QFETCH(QSizeF, cell);

    KelvoAddressLabel label;
    label.show();
    label.resize(size);
    QCOMPARE(label.contentRect(), content);
    QCOMPARE(label.cellSize(), cell);
}

void TestKelvoAddressLabel::setAddressName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter first") << QString("C12") << QString("C12");
    QTest::newRow("number first") << QString("12C") << QString("C12");
    QTest::newRow("above the switches' 27") << QString("A28") << QString("A28");
    QTest::newRow("empty") << QString("") << QString("A1");
    QTest::newRow("malformed") << QString("a1") << QString("A1");
    QTest::newRow("number 0") << QString("A0") << QString("A1");
}

void TestKelvoAddressLabel::setAddressName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);

    KelvoAddressLabel label;
    QCOMPARE(label.getAddressName(), QStringLiteral("A1"));
    QSignalSpy spy(&label, &KelvoAddressLabel::addressChanged);
    label.setAddressName(QStringLiteral("I24"));
    label.setAddressName(name);
    QCOMPARE(label.getAddressName(), shown);
    QCOMPARE(spy.count(), 0);
}

void TestKelvoAddressLabel::drag_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<PointList>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("emitted");

    // 250 x 90: switches of 30 x 30 from x = 50; rows centred at y = 15, 45, 75.
    QTest::newRow("switch 4 to bottom") << QPoint(185, 15) << PointList { { 185, 40 }, { 185, 75 } }
                                        << QPoint(185, 75) << "B1" << 1;
    QTest::newRow("switch 4 to middle")
        << QPoint(185, 15) << PointList { { 185, 45 } } << QPoint(185, 45) << "C1" << 1;
    QTest::newRow("switch 0 to middle")
        << QPoint(65, 15) << PointList { { 66, 45 } } << QPoint(66, 45) << "A19" << 1;
    QTest::newRow("sideways stays on the pressed switch")
        << QPoint(65, 15) << PointList { { 185, 45 } } << QPoint(185, 45) << "A19" << 1;
    QTest::newRow("right of the block works switch 4")
        << QPoint(240, 15) << PointList { { 240, 75 } } << QPoint(240, 75) << "B1" << 1;
    QTest::newRow("below the block clamps to the bottom row")
        << QPoint(185, 15) << PointList { { 185, 500 } } << QPoint(185, 500) << "B1" << 1;
    QTest::newRow("click without move")
        << QPoint(185, 75) << PointList {} << QPoint(185, 75) << "A1" << 0;
    QTest::newRow("drag ending at its press point")
        << QPoint(185, 75) << PointList { { 185, 80 }, { 185, 75 } } << QPoint(185, 75) << "B1"
        << 0;
}

void TestKelvoAddressLabel::drag()
{
    QFETCH(QPoint, press);
    QFETCH(PointList, moves);
    QFETCH(QPoint, release);
    QFETCH(QString, address);
    QFETCH(int, emitted);

    KelvoAddressLabel label;
    label.resize(250, 90);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy spy(&label, &KelvoAddressLabel::addressChanged);

    QTest::mousePress(&label, Qt::LeftButton, {}, press);
    for (const QPoint &point : moves)
        QTest::mouseMove(&label, point);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, release);

    QCOMPARE(label.getAddressName(), address);
    QVERIFY(label.toolTip().startsWith(address + ':'));
    QCOMPARE(spy.count(), emitted);
}

void TestKelvoAddressLabel::keyboard_data()
{
    QTest::addColumn<QString>("keys"); // Left, Right, Up, Down
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("emitted");
    QTest::addColumn<int>("chosen"); // the switch the keys work, 1 to 5

    // clang-format off
    QTest::newRow("down moves switch 1 to the middle row") << "D" << "A19" << 1 << 1;
    QTest::newRow("no further than the bottom") << "DDD" << "A10" << 2 << 1;
    QTest::newRow("no further than the top") << "U" << "A1" << 0 << 1;
    QTest::newRow("up again") << "DU" << "A1" << 2 << 1;
    QTest::newRow("right chooses the next switch") << "RRRRD" << "C1" << 1 << 5;
    QTest::newRow("no further than switch 5") << "RRRRRRDD" << "B1" << 2 << 5;
    QTest::newRow("left back to switch 2") << "RRLD" << "A7" << 1 << 2;
    // clang-format on
}

void TestKelvoAddressLabel::keyboard()
{
    QFETCH(QString, keys);
    QFETCH(QString, address);
    QFETCH(int, emitted);
    QFETCH(int, chosen);

    KelvoAddressLabel label;
    QSignalSpy spy(&label, &KelvoAddressLabel::addressChanged);
    const Qt::Key codes[] = { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down };
    for (const QChar key : keys)
        QTest::keyClick(&label, codes[QStringLiteral("LRUD").indexOf(key)]);

    QCOMPARE(label.getAddressName(), address);
    QCOMPARE(spy.count(), emitted);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&label);
    QCOMPARE(accessible->text(QAccessible::Value), address);
    QCOMPARE(accessible->text(QAccessible::Description),
        QString("Schalter %1 gewählt. %2").arg(chosen).arg(label.toolTip()));
}

void TestKelvoAddressLabel::translatePosToDipp_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("position");

    QTest::newRow("top") << 0 << 0;
    QTest::newRow("middle") << 1 << 2;
    QTest::newRow("bottom") << 2 << 1;
    QTest::newRow("below") << 3 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestKelvoAddressLabel::translatePosToDipp()
{
    QFETCH(int, row);
    QFETCH(int, position);
    QCOMPARE(KelvoAddressLabel::translatePosToDipp(row), position);
}

void TestKelvoAddressLabel::painting_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("rows"); // lever row of switches 0 to 4

    QTest::newRow("A1") << QString("A1") << QString("00000");
    QTest::newRow("B1") << QString("B1") << QString("00002");
    QTest::newRow("C1") << QString("C1") << QString("00001");
    QTest::newRow("E13") << QString("E13") << QString("22022");
    QTest::newRow("I24") << QString("I24") << QString("12111");
    QTest::newRow("A28 draws switch 0 on top") << QString("A28") << QString("00000");
}

void TestKelvoAddressLabel::painting()
{
    QFETCH(QString, address);
    QFETCH(QString, rows);

    KelvoAddressLabel label;
    label.resize(250, 90);
    label.setAddressName(address);
    // The widget (cells of 30 x 30 from x = 50), and the drawing alone at
    // another size and in other proportions.
    for (const QRectF &target : { QRectF(50, 0, 150, 90), QRectF(7, 11, 400, 150) }) {
        QImage image(420, 170, QImage::Format_ARGB32);
        image.fill(Qt::white);
        if (target.width() == 150) {
            label.render(&image, {}, {}, QWidget::DrawChildren);
        } else {
            QPainter painter(&image);
            KelvoAddressLabel::paintSwitches(painter, target, KelvoAddress::convertName(address));
        }

        const QSizeF cell(target.width() / 5, target.height() / 3);
        auto isBlack = [&](QPointF point) { return image.pixel(point.toPoint()) == qRgb(0, 0, 0); };
        for (int column = 0; column < 5; ++column) {
            for (int row = 0; row < 3; ++row) {
                const QPointF corner
                    = target.topLeft() + QPointF(column * cell.width(), row * cell.height());
                const bool lever = rows.at(column).digitValue() == row;
                const QByteArray where = QByteArray::number(column) + "/" + QByteArray::number(row);
                // The lever fills its cell but for a 2-pixel margin.
                QVERIFY2(isBlack(corner + QPointF(2, 2)) == lever, where);
                QVERIFY2(
                    isBlack(corner + QPointF(cell.width() - 3, cell.height() - 3)) == lever, where);
                QVERIFY2(!isBlack(corner + QPointF(cell.width() / 2, 1)), where);
            }
        }
        // Outside the block the background shows.
        QCOMPARE(image.pixel(target.left() - 3, target.center().y()), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(target.right() + 3, target.center().y()), qRgb(255, 255, 255));
    }

    QStringList levers;
    for (int column = 0; column < 5; ++column)
        levers << QString("%1 %2").arg(column + 1).arg(rowNames[rows.at(column).digitValue()]);
    QCOMPARE(label.toolTip(),
        address == "A28" ? "A28: nicht mit den Schaltern einstellbar"
                         : address + ": Schalter " + levers.join(", "));
}

void TestKelvoAddressLabel::toolTipLanguage()
{
    KelvoAddressLabel label;
    label.setAddressName("C12");
    QTranslator english;
    QVERIFY(
        english.load("vxasoft_en_EN", qEnvironmentVariable("VXCONFIG_DATA_DIR") + "/translation"));
    QCoreApplication::installTranslator(&english);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(label.toolTip(), "C12: switches 1 down, 2 up, 3 middle, 4 up, 5 middle");
    QCoreApplication::removeTranslator(&english);
}

QTEST_MAIN(TestKelvoAddressLabel)
#include "tst_kelvoaddresslabel.moc"

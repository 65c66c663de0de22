// The real Qt windows, offscreen: the main window's controls, the persistent
// drawing, waits that sleep and unwind on quitting, the bundled font.
#include "support/GameFixture.h"
#include "support/QtSupport.h"

#include "core/Texts.h"
#include "ui/Clock.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtWindowSystem.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <fstream>

using testing_support::ShippedPictures;

namespace {

class QtWindowsTest : public testing_support::GameTest {
protected:
    QtWindowsTest()
    {
        ui::LoadGameFont(QString::fromStdString((testing_support::AssetsFolder() / "fonts").string()));
    }
    ui::QtWindowSystem qt{testing_support::ShippedQtPictures(), GameSystemTexts()};
};

TEST_F(QtWindowsTest, TheMainWindowHasItsControlsAtTheirPlaces)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    form->Load();
    form->ShowModeless(nullptr);
    auto* qtForm = static_cast<ui::QtForm*>(form.get());
    QWidget* window = qtForm->widget();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(640, 481));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(texts::Caption.data()));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    struct Expected {
        const char* name;
        std::string_view text;
        QRect box;
    };
    const Expected buttons[] = {
        {"cmdShop", "裝　備", {72, 416, 81, 33}},
        {"cmdSpell", "使用符咒", {168, 416, 81, 33}},
        {"cmdStatus", "Pellamorn的 \n狀況", {264, 416, 129, 33}},
        {"cmdQuit", "退出", {456, 416, 81, 33}},
    };
    QList<QPushButton*> inTabOrder;
    for (const Expected& e : buttons) {
        auto* b = window->findChild<QPushButton*>(e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->text(), QString::fromUtf8(e.text.data(), static_cast<int>(e.text.size())));
        EXPECT_EQ(b->geometry(), e.box) << e.name;
        inTabOrder.push_back(b);
    }
    for (int i = 0; i + 1 < inTabOrder.size(); ++i) {
        EXPECT_EQ(inTabOrder[i]->nextInFocusChain(), inTabOrder[i + 1]);
    }
    const Expected labels[] = {
        {"Label1", texts::Label1, {264, 24, 169, 17}},
        {"lblVersion", texts::lblVersion, {536, 448, 123, 15}},
        {"lblDisclaimer", texts::lblDisclaimer, {8, 448, 249, 23}},
        {"Label2", texts::Label2, {272, 448, 257, 17}},
        {"lblDescription", texts::lblDescription, {0, 0, 253, 38}},
    };
    for (const Expected& e : labels) {
        auto* l = window->findChild<QLabel*>(e.name);
        ASSERT_NE(l, nullptr) << e.name;
        EXPECT_EQ(l->text(), QString::fromUtf8(e.text.data(), static_cast<int>(e.text.size())));
        EXPECT_EQ(l->geometry(), e.box) << e.name;
    }
    form->Unload();
}

TEST_F(QtWindowsTest, TheDrawingPersistsAndIsReadBackExactly)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    ui::Surface& map = form->surface();
    map.PaintPicture(ui::imgRoom(14), 326, 226);
    EXPECT_EQ(map.Point(326, 226), ui::White);
    EXPECT_EQ(map.Point(326 + 12, 226 + 1), ui::RGB(255, 85, 85));
    EXPECT_EQ(map.Point(106, 50), ui::RGB(168, 0, 0));
    map.FillCircle(342, 286, 4, ui::White);
    EXPECT_EQ(map.Point(342, 286), ui::White);
    map.FillCircle(342, 286, 4, EmptyCellGrey);
    EXPECT_EQ(map.Point(342, 286), EmptyCellGrey);
    EXPECT_EQ(map.Point(-1, 5), ui::White);
    form->MoveControl(frmGorvak::shpRoomMarker, 322, 222);
    EXPECT_EQ(map.Point(322 + 21, 222), ShippedPictures().PixelOf(ui::Picture::Gorvak, 343, 222))
        << "the marker is not in the drawing";
    // The painted window shows the drawing with the marker over it.
    form->ShowModeless(nullptr);
    const QImage shown = static_cast<ui::QtForm*>(form.get())->widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(326 + 12, 226 + 1), QColor(255, 85, 85));
    EXPECT_EQ(shown.pixelColor(322 + 21, 222), QColor(255, 255, 0));
}

TEST_F(QtWindowsTest, AWaitSleepsForItsTimeAndKeepsWindowsLive)
{
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&ticks] { ++ticks; });
    other.start(50);
    // A sleeping wait blocks in the event dispatcher and wakes for events; a
    // spinning one never blocks. How long it takes is the benchmark's affair.
    int blocked = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const auto counting = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                           [&blocked] { ++blocked; });
    const auto start = std::chrono::steady_clock::now();
    qt.Wait(0.5);
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    QObject::disconnect(counting);
    EXPECT_GE(elapsed, 0.495) << "a wait never ends before its time";
    EXPECT_GE(ticks, 5) << "events were handled during the wait";
    EXPECT_GE(blocked, 1) << "the wait slept";
    EXPECT_LE(blocked, 3 * ticks + 10) << "the wait woke only for its events, it did not spin";
}

TEST_F(QtWindowsTest, MessageBoxesCarryTheCaptionAndOkTheGameGaveTheWindowSystem)
{
    QString caption;
    QString ok;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* b = qobject_cast<QMessageBox*>(w); b != nullptr && b->isVisible()) box = b;
        }
        if (box == nullptr) {
            ADD_FAILURE() << "no message box showing";
            qt.Quit(1);
            return;
        }
        caption = box->windowTitle();
        ok = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_NO_THROW(qt.MessageBox(texts::NoExit, nullptr));
    EXPECT_EQ(caption, QStringLiteral("Gorvak"));
    EXPECT_EQ(ok, QString::fromUtf8("確定"));
}

TEST_F(QtWindowsTest, QuittingUnwindsNestedWaitsAndModalWindows)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    int unwound = 0;
    QTimer::singleShot(50, [&] {
        try {
            qt.Wait(30);  // a nested pause, as a click during a pause starts
        } catch (const ui::ProgramEnding&) {
            ++unwound;
        }
    });
    QTimer::singleShot(100, [&] { qt.Quit(0); });
    // Still running when the waits are back: they unwound at once, long
    // before the nested pause's 30 s.
    QTimer longBefore;
    longBefore.setSingleShot(true);
    longBefore.start(20000);
    try {
        form->ShowModal(nullptr);
    } catch (const ui::ProgramEnding&) {
        ++unwound;
    }
    EXPECT_EQ(unwound, 2);
    EXPECT_TRUE(longBefore.isActive());
    EXPECT_FALSE(form->IsLoaded());
    EXPECT_EQ(qt.ExitStatus(), 0);
    EXPECT_THROW(qt.Wait(1), ui::ProgramEnding) << "no pause runs on after the end";
    EXPECT_THROW(qt.MessageBox("x", nullptr), ui::ProgramEnding);
}

TEST_F(QtWindowsTest, ARefusedCloseKeepsTheWindowAndAnAllowedOneUnloadsIt)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    bool refuse = true;
    form->onQueryUnload = [&refuse] { return refuse; };
    form->ShowModeless(nullptr);
    static_cast<ui::QtForm*>(form.get())->widget()->close();
    EXPECT_TRUE(form->IsLoaded());
    refuse = false;
    static_cast<ui::QtForm*>(form.get())->widget()->close();
    EXPECT_FALSE(form->IsLoaded());
    form->Load();
    EXPECT_TRUE(form->IsLoaded()) << "loads afresh after being closed";
}

TEST_F(QtWindowsTest, TheRealGameRunsOnQtWindowsAndQuitsFromTheButton)
{
    WriteDungeon(testing_support::OpenDungeon());
    sound::FakeSound quiet;
    ui::SystemClock realClock;
    frmGorvak real(Services{qt, realClock, random, quiet});
    QTimer::singleShot(0, [&] {
        auto* window = static_cast<ui::QtForm&>(real.form()).widget();
        QTest::mouseClick(window->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
    });
    qt.Guard([&real] { real.Form_Load(); });
    EXPECT_TRUE(qt.IsQuitting());
    EXPECT_EQ(qt.ExitStatus(), 0);
    EXPECT_FALSE(real.form().IsLoaded());
}

// Reads every string literal of the texts header, so a text added there is
// checked without being listed twice.
std::vector<QString> AllGameTexts()
{
    std::ifstream in(std::string(GORVAK_SOURCE_DIR) + "/core/Texts.h");
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<QString> found;
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    auto it = literal.globalMatch(QString::fromStdString(source));
    while (it.hasNext()) {
        QString text = it.next().captured(1);
        text.replace(QStringLiteral("\\r"), QString()).replace(QStringLiteral("\\n"), QString());
        found.push_back(text);
    }
    return found;
}

TEST(BundledFont, CoversEveryTextTheGameShows)
{
    const QString path = QString::fromStdString(
        (testing_support::AssetsFolder() / "fonts" / "NotoSansCJKhk-Game.otf").string());
    QRawFont font(path, 12);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), QStringLiteral("Noto Sans CJK HK"));
    const std::vector<QString> all = AllGameTexts();
    EXPECT_GT(all.size(), 80U);
    for (const QString& text : all) {
        for (const QChar c : text) {
            EXPECT_TRUE(font.supportsCharacter(c))
                << "missing U+" << std::hex << static_cast<int>(c.unicode()) << " in " << text.toStdString();
        }
    }
    for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(font.supportsCharacter(QChar(c)));
    EXPECT_TRUE(font.supportsCharacter(QChar('-')));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(
        (testing_support::AssetsFolder() / "fonts" / "LICENSE-OFL.txt").string())));
}

TEST(BundledFont, BecomesTheApplicationFontWithHongKongForms)
{
    ASSERT_TRUE(ui::LoadGameFont(
        QString::fromStdString((testing_support::AssetsFolder() / "fonts").string())));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Noto Sans CJK HK"));
    EXPECT_EQ(QApplication::font().pixelSize(), ui::GamePixelSize);
}

}  // namespace

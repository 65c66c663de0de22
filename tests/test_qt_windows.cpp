// The real Qt windows, offscreen: the main window's controls, the persistent
// drawing, waits that sleep and unwind on quitting, the bundled font.
#include "support/GameFixture.h"
#include "support/QtSupport.h"

#include "app/FittedCaptions.h"
#include "app/Language.h"
#include "combat/frmBattle.h"
#include "core/Texts.h"
#include "exploration/frmDiscovery.h"
#include "exploration/frmStatus.h"
#include "tools/CaptionedWindows.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "town/frmWeapons.h"
#include "ui/Clock.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtWindowSystem.h"
#include "ui/qt/TextFitting.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <chrono>
#include <map>

using testing_support::ShippedPictures;

namespace {

ui::QtForm& AsQt(ui::Form& form) { return static_cast<ui::QtForm&>(form); }

QString ToQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* ButtonOf(ui::Form& form, ui::ControlName name)
{
    return AsQt(form).widget()->findChild<QPushButton*>(ToQt(name.str()));
}

class QtWindowsTest : public testing_support::GameTest {
protected:
    QtWindowsTest()
    {
        ui::LoadGameFont(
            QString::fromStdString((testing_support::AssetsFolder() / "fonts").string()));
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
    EXPECT_EQ(window->windowTitle(), ToQt(texts::Caption));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    // Every control of the layout, at its place, with its text; the buttons
    // in the layout's tab order.
    QList<QPushButton*> inTabOrder;
    for (const ui::ControlLayout& c : frmGorvak::Layout().controls) {
        const QString name = QString::fromUtf8(c.name.str().data(), int(c.name.str().size()));
        if (c.kind == ui::ControlKind::Circle) continue;
        auto* w = window->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << c.name.str();
        EXPECT_EQ(w->geometry(), QRect(c.left, c.top, c.width, c.height)) << c.name.str();
        const QString text = QString::fromStdString(c.text).replace("\r\n", "\n");
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(b->text(), text);
            inTabOrder.push_back(b);
        } else {
            EXPECT_EQ(static_cast<QLabel*>(w)->text(), text);
        }
    }
    ASSERT_EQ(inTabOrder.size(), 4);
    for (int i = 0; i + 1 < inTabOrder.size(); ++i) {
        EXPECT_EQ(inTabOrder[i]->nextInFocusChain(), inTabOrder[i + 1]);
    }
    form->Unload();
}

TEST_F(QtWindowsTest, LabelTextKeepsOffTheFrameAndTheButtons)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    form->ShowModeless(nullptr);
    QWidget* window = AsQt(*form).widget();
    auto textBox = [window](ui::ControlName name) {
        auto* l = window->findChild<QLabel*>(QString::fromUtf8(name.str().data()));
        const QRect inside = l->contentsRect();
        return QFontMetrics(l->font())
            .boundingRect(inside, static_cast<int>(l->alignment()) | Qt::TextWordWrap, l->text())
            .translated(l->pos());
    };
    const QRect description = textBox(frmGorvak::lblDescription);
    EXPECT_GE(description.left(), 4) << "the description touches the window's frame";
    EXPECT_GE(description.top(), 2);
    EXPECT_LE(description.bottom(), 38 + 2);
    const QRect disclaimer = textBox(frmGorvak::lblDisclaimer);
    EXPECT_GE(disclaimer.top(), 416 + 33) << "the disclaimer starts under the buttons";
    EXPECT_LE(disclaimer.bottom(), 481);
    form->Unload();
}

TEST_F(QtWindowsTest, TheStatusLinesSitOnTheSheetWithEvenMargins)
{
    // The sheet along the middle of the lines: the run of parchment
    // colours around x = 50, up to its darker edge.
    const QImage picture = testing_support::ShippedQtPictures().Image(ui::Picture::Status);
    const int y = 100;
    auto parchment = [&picture, y](int x) {
        const QColor c = picture.pixelColor(x, y);
        return c.red() > 150 && c.green() > 120 && c.blue() > 80;
    };
    ASSERT_TRUE(parchment(50));
    int left = 50;
    while (left > 0 && parchment(left - 1)) --left;
    int right = 50;
    while (right + 1 < picture.width() && parchment(right + 1)) ++right;
    int widest = 0;
    const QFontMetrics metrics(QGuiApplication::font());
    for (const std::string_view label : texts::StatusLabels) {
        const QString line = QString::fromUtf8(label.data(), static_cast<int>(label.size())) + "0";
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int before = 50 - left;
    const int after = right - (50 + widest);
    EXPECT_GE(before, 5);
    EXPECT_GE(after, 5) << "the longest line runs to the sheet's edge";
    EXPECT_LE(std::abs(before - after), 4) << "margins " << before << " and " << after;
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
    map.FillCircle(342, 286, 4, grid::EmptyCellGrey);
    EXPECT_EQ(map.Point(342, 286), grid::EmptyCellGrey);
    EXPECT_EQ(map.Point(-1, 5), ui::White);
    form->MoveControl(frmGorvak::shpRoomMarker, 322, 222);
    EXPECT_EQ(map.Point(322 + 21, 222), ShippedPictures().PixelOf(ui::Picture::Gorvak, 343, 222))
        << "the marker is not in the drawing";
    // The painted window shows the drawing with the marker over it.
    form->ShowModeless(nullptr);
    const QImage shown = static_cast<ui::QtForm*>(form.get())->widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(326 + 12, 226 + 1), QColor(255, 85, 85));
    EXPECT_EQ(shown.pixelColor(322 + 21, 222), QColor(255, 255, 0));
    map.PaintPicture(ui::Picture::Gorvak, 0, 0);  // a new game's map over the old one
    EXPECT_EQ(map.Point(326, 226), ShippedPictures().PixelOf(ui::Picture::Gorvak, 326, 226));
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
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(ButtonOf(real.form(), frmGorvak::cmdQuit), Qt::LeftButton); });
    qt.Guard([&real] { real.Form_Load(); });
    EXPECT_TRUE(qt.IsQuitting());
    EXPECT_EQ(qt.ExitStatus(), 0);
    EXPECT_FALSE(real.form().IsLoaded());
}

// ---- Keyboard: what a real keyboard's events meet in the windows ---------

// A window's layout with every button's handler replaced by one that
// records the button's name.
ui::FormLayout Recording(ui::FormLayout layout, std::vector<ui::ControlName>& clicked)
{
    for (ui::ControlLayout& c : layout.controls) {
        if (c.kind != ui::ControlKind::Button) continue;
        c.onClick = [&clicked, name = c.name] { clicked.push_back(name); };
    }
    return layout;
}

TEST_F(QtWindowsTest, TheWalkingKeysWalkWhicheverButtonHasTheFocus)
{
    std::vector<ui::ControlName> clicked;
    auto form = qt.CreateForm(Recording(frmGorvak::Layout(), clicked));
    std::vector<ui::Key> walked;
    form->onKeyDown = [&walked](ui::Key k) { walked.push_back(k); };
    form->ShowModeless(nullptr);
    QWidget* window = AsQt(*form).widget();
    EXPECT_EQ(window->focusWidget(), window) << "the map, not a button, has the focus at first";
    for (ui::ControlName name : {frmGorvak::cmdShop, frmGorvak::cmdStatus, frmGorvak::cmdQuit}) {
        QPushButton* button = ButtonOf(*form, name);
        button->setFocus();
        walked.clear();
        QTest::keyClick(button, Qt::Key_Left);
        QTest::keyClick(button, Qt::Key_Down);
        QTest::keyClick(button, Qt::Key_W);
        QTest::keyClick(button, Qt::Key_D);
        EXPECT_EQ(walked,
                  (std::vector<ui::Key>{ui::Key::Left, ui::Key::Down, ui::Key::Up, ui::Key::Right}))
            << name.str();
        EXPECT_EQ(window->focusWidget(), button)
            << "an arrow moved the focus away from " << name.str();
    }
    walked.clear();
    QTest::keyClick(ButtonOf(*form, frmGorvak::cmdShop), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(walked.empty()) << "Ctrl or Alt held: no walking";
    QTest::keyClick(window, Qt::Key_Up);
    EXPECT_EQ(walked, std::vector<ui::Key>{ui::Key::Up}) << "with the focus on the map";
    ButtonOf(*form, frmGorvak::cmdShop)->setFocus();
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ButtonOf(*form, frmGorvak::cmdShop), &repeat);
    EXPECT_EQ(walked.size(), 1U) << "a held key walks one step";
    EXPECT_EQ(window->focusWidget(), ButtonOf(*form, frmGorvak::cmdShop)) << "nor moves the focus";
    EXPECT_TRUE(clicked.empty());
    form->Unload();
}

TEST_F(QtWindowsTest, EnterAndSpacePressTheFocusedButtonAndEscapeNeverClosesTheMainWindow)
{
    std::vector<ui::ControlName> clicked;
    auto form = qt.CreateForm(Recording(frmGorvak::Layout(), clicked));
    int closeRequests = 0;
    form->onQueryUnload = [&closeRequests] {
        ++closeRequests;
        return true;
    };
    form->ShowModeless(nullptr);
    QPushButton* status = ButtonOf(*form, frmGorvak::cmdStatus);
    status->setFocus();
    QTest::keyClick(status, Qt::Key_Return);
    QTest::keyClick(status, Qt::Key_Enter);
    QTest::keyClick(status, Qt::Key_Space);
    EXPECT_EQ(clicked, std::vector<ui::ControlName>(3, frmGorvak::cmdStatus));
    QTest::keyClick(status, Qt::Key_Escape);
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Escape);
    EXPECT_EQ(closeRequests, 0) << "a stray Escape would end the game";
    QTest::keyClick(status, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closeRequests, 1) << "Ctrl+Q asks to quit as the close box does";
    form->Unload();
}

TEST_F(QtWindowsTest, ADisabledFocusedButtonLeavesTheFocusOnTheMapNotOnQuit)
{
    auto form = qt.CreateForm(frmGorvak::Layout());
    form->ShowModeless(nullptr);
    QWidget* window = AsQt(*form).widget();
    QPushButton* shop = ButtonOf(*form, frmGorvak::cmdShop);
    shop->setFocus();
    for (ui::ControlName name : {frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus}) {
        form->SetEnabled(name, false);
    }
    EXPECT_EQ(window->focusWidget(), window);
    for (ui::ControlName name : {frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus}) {
        form->SetEnabled(name, true);
    }
    EXPECT_EQ(window->focusWidget(), shop) << "the focus goes back where it was";

    // Moved on by the player meanwhile: it stays where the player put it.
    form->SetEnabled(frmGorvak::cmdShop, false);
    QPushButton* quit = ButtonOf(*form, frmGorvak::cmdQuit);
    quit->setFocus();
    form->SetEnabled(frmGorvak::cmdShop, true);
    EXPECT_EQ(window->focusWidget(), quit);

    // A hidden button too.
    shop->setFocus();
    form->SetVisible(frmGorvak::cmdShop, false);
    EXPECT_EQ(window->focusWidget(), window);
    form->SetVisible(frmGorvak::cmdShop, true);
    EXPECT_EQ(window->focusWidget(), shop);
    form->Unload();
}

TEST_F(QtWindowsTest, EscapeIsTheCloseBoxAndEnterPressesOK)
{
    auto main = qt.CreateForm(frmGorvak::Layout());  // the first window made
    ui::FormLayout layout = frmStatus::Layout();
    int clicks = 0;
    std::unique_ptr<ui::Form> form;
    for (ui::ControlLayout& c : layout.controls) {
        if (c.name == frmStatus::cmdOK) {
            c.onClick = [&clicks, &form] {
                ++clicks;
                form->Unload();
            };
        }
    }
    form = qt.CreateForm(std::move(layout));
    bool refuse = true;
    form->onQueryUnload = [&refuse] { return refuse; };
    form->ShowModeless(nullptr);
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Escape);
    EXPECT_TRUE(form->IsLoaded()) << "a refused close box refuses Escape too";
    refuse = false;
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Escape);
    EXPECT_FALSE(form->IsLoaded());
    EXPECT_EQ(clicks, 0);

    form->ShowModeless(nullptr);
    form->SetEnabled(frmStatus::cmdOK, false);
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 0) << "a disabled OK is not pressed";
    EXPECT_TRUE(form->IsLoaded());
    form->SetEnabled(frmStatus::cmdOK, true);
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form->IsLoaded());

    // A notice whose OK was hidden closes with Enter as with its close box.
    form->ShowModeless(nullptr);
    form->SetVisible(frmStatus::cmdOK, false);
    QTest::keyClick(AsQt(*form).widget(), Qt::Key_Enter);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form->IsLoaded());
}

TEST_F(QtWindowsTest, TheDeathNoticeClosesWithEnterOrEscapeAndANewGameBegins)
{
    WriteDungeon(testing_support::OpenDungeon());
    sound::FakeSound quiet;
    ui::SystemClock realClock;
    frmGorvak real(Services{qt, realClock, random, quiet});
    real.DungeonFile = "Dungeon.gvk";
    real.InitObjects();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        real.InitGame();
        real.form().ShowModeless(nullptr);
        real.stats.Attack = 1;
        real.stats.Pies = 0;
        bool noticeSeen = false;
        QTimer poll;
        int warnings = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            // The low-attack warning comes first: the status window, closed
            // with the same key.
            if (ui::Form& status = real.StatusWindow().form(); status.IsVisible()) {
                ++warnings;
                QTest::keyClick(AsQt(status).widget(), key);
                return;
            }
            ui::Form& notice = real.DiscoveryWindow().form();
            if (!notice.IsVisible()) return;
            noticeSeen = true;
            poll.stop();
            QTest::keyClick(AsQt(notice).widget(), key);
        });
        poll.start(20);
        QTest::keyClick(AsQt(real.form()).widget(), Qt::Key_Down);
        EXPECT_EQ(warnings, 1);
        EXPECT_TRUE(noticeSeen);
        EXPECT_FALSE(real.DiscoveryWindow().form().IsLoaded()) << "the notice is closed";
        EXPECT_EQ(real.stats.Attack, 100) << "a new game has begun";
        EXPECT_EQ(real.stats.CurrentRoom, 45);
        EXPECT_FALSE(qt.IsQuitting());
    }
    real.form().Unload();
}

TEST_F(QtWindowsTest, DepartmentsTheGameDoesNotPlaceCascade)
{
    auto main = qt.CreateForm(frmGorvak::Layout());
    main->Move(100, 100);
    main->ShowModeless(nullptr);
    auto health = qt.CreateForm(frmHealth::Layout());
    auto magic = qt.CreateForm(frmMagic::Layout());
    health->ShowModeless(nullptr);
    magic->ShowModeless(nullptr);
    const QPoint first = AsQt(*health).widget()->pos();
    const QPoint second = AsQt(*magic).widget()->pos();
    EXPECT_NE(first, second) << "the second department hides the first";
    EXPECT_GT(second.x(), first.x());
    EXPECT_GT(second.y(), first.y());
    const QRect screen = AsQt(*magic).widget()->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(AsQt(*magic).widget()->frameGeometry())) << "kept on the screen";
    magic->Unload();
    auto again = qt.CreateForm(frmMagic::Layout());
    health->Unload();
    again->ShowModeless(nullptr);
    EXPECT_LE((AsQt(*again).widget()->pos() - first).manhattanLength(), 2)
        << "alone, a department opens at the usual place";
    again->Unload();
    main->Unload();
}

TEST_F(QtWindowsTest, EveryDepartmentShowsItsPricesOnTheShelfCards)
{
    WriteDungeon(testing_support::OpenDungeon());
    sound::FakeSound quiet;
    ui::SystemClock realClock;
    frmGorvak real(Services{qt, realClock, random, quiet});
    real.InitObjects();
    struct Department {
        std::function<void()> open;
        ui::Form& form;
        ui::Picture picture;
    };
    const Department departments[] = {
        {[&] { real.ShoppeWindow().cmdHealth_Click(); }, real.HealthWindow().form(),
         ui::Picture::Health},
        {[&] { real.ShoppeWindow().cmdMagic_Click(); }, real.MagicWindow().form(),
         ui::Picture::Magic},
        {[&] { real.ShoppeWindow().cmdWeapon_Click(); }, real.WeaponsWindow().form(),
         ui::Picture::Weapons},
    };
    for (const Department& d : departments) {
        real.cmdShop_Click();
        d.open();
        ASSERT_TRUE(d.form.IsVisible());
        for (const int middle : {56, 128, 200}) {
            // Dark ink on the light card, where the bare picture has none.
            int ink = 0;
            int bare = 0;
            for (int y = 101; y <= 114; ++y) {
                for (int x = middle - 23; x <= middle + 22; ++x) {
                    const ui::Color c = d.form.surface().Point(x, y);
                    ink += c.r + c.g + c.b < 300;
                    const ui::Color p = ShippedPictures().PixelOf(d.picture, x, y);
                    bare += p.r + p.g + p.b < 300;
                }
            }
            EXPECT_EQ(bare, 0) << "shelf " << middle;
            EXPECT_GT(ink, 40) << "no price on the card of shelf " << middle;
        }
        // Every purchase button keeps its caption.
        for (QPushButton* b : AsQt(d.form).widget()->findChildren<QPushButton*>()) {
            EXPECT_FALSE(b->text().contains(ToQt(texts::PriceTagSuffix)));
        }
        d.form.Unload();
    }
    real.form().Unload();
}

// English runs wider than Chinese: in every language and zoom each caption
// fits its box at a size the caption fitting takes as readable. Each window
// is laid out twice: fitted afresh, each caption against what the game's
// build stored for it, and then from the stored table, which must show the
// very same.
TEST_F(QtWindowsTest, EveryCaptionFitsItsBoxInEveryLanguage)
{
    GameLanguage language(
        QString::fromStdString((testing_support::AssetsFolder() / "fonts").string()));
    UseFittedCaptions();
    std::string where;
    const ui::CaptionWatch compare = [&where](const QWidget& control, const QByteArray&,
                                              const ui::FittedCaption* stored,
                                              const ui::FittedCaption& now) {
        const auto text = [](const ui::FittedCaption& c) {
            return std::string(c.text ? c.text : "");
        };
        ASSERT_NE(stored, nullptr) << where << control.objectName().toStdString() << " not stored";
        EXPECT_TRUE(stored->size == now.size && stored->fullHinting == now.fullHinting &&
                    text(*stored) == text(now))
            << where << control.objectName().toStdString() << " stored " << stored->size
            << " px, fitted now " << now.size << " px";
    };
    for (const texts::Language& spoken : texts::Languages()) {
        ASSERT_TRUE(texts::UseLanguage(spoken.code));
        for (int zoom = 1; zoom <= CaptionedZooms; ++zoom) {
            qt.SetZoom(zoom);
            for (const auto& layout : CaptionedWindows()) {
                where = spoken.code + " zoom " + std::to_string(zoom) + " " + layout.name + ".";
                std::map<std::string, std::string> shown[2];
                for (const bool fresh : {true, false}) {
                    ui::WatchCaptionFitting(fresh ? compare : nullptr);
                    auto form = qt.CreateForm(layout);
                    form->Load();
                    for (QWidget* control : AsQt(*form).widget()->findChildren<QWidget*>()) {
                        auto* label = qobject_cast<QLabel*>(control);
                        auto* button = qobject_cast<QPushButton*>(control);
                        if (!label && !button) continue;
                        const QRect room = label
                            ? control->contentsRect().adjusted(0, 0, 0, 4 * zoom)
                            : control->rect().adjusted(0, 0, -6 * zoom, -2 * zoom);
                        const QString text = label ? label->text().trimmed() : button->text();
                        const QFont font = control->font();
                        const QRect need = QFontMetrics(font).boundingRect(
                            room, label ? Qt::TextWordWrap : 0, text);
                        const std::string at =
                            where + control->objectName().toStdString() + " " + text.toStdString();
                        EXPECT_LE(need.width(), room.width()) << at;
                        EXPECT_LE(need.height(), room.height()) << at;
                        EXPECT_GE(font.pixelSize(), 9 * zoom) << at;
                        shown[fresh][control->objectName().toStdString()] =
                            QStringLiteral("%1 px, hinting %2, aligned %3: %4")
                                .arg(font.pixelSize())
                                .arg(font.hintingPreference())
                                .arg(label ? int(label->alignment()) : 0)
                                .arg(text)
                                .toStdString();
                    }
                    form->Unload();
                }
                EXPECT_EQ(shown[0], shown[1]) << where;
            }
        }
    }
    ui::WatchCaptionFitting({});
    qt.SetZoom(1);
    texts::UseLanguage(texts::SourceLanguage);
}

TEST(GameIcon, EveryWindowCarriesTheGameIcon)
{
    ASSERT_TRUE(ui::SetGameIcon(
        QString::fromStdString((testing_support::AssetsFolder() / "pictures").string())));
    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
}

// Every text as written and in every translation, read from the
// translation files, against the face the game loads for its language.
TEST(BundledFont, CoversEveryTextInEveryLanguage)
{
    const QString fonts =
        QString::fromStdString((testing_support::AssetsFolder() / "fonts").string());
    std::map<QString, QStringList> byLanguage;  // the texts as written under ""
    QStringList names;
    for (const QFileInfo& ts : QDir(GORVAK_SOURCE_DIR "/i18n").entryInfoList({"*.ts"})) {
        QFile file(ts.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString language;
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"TS") language = xml.attributes().value("language").toString();
            if (xml.name() == u"name") context = xml.readElementText();
            if (xml.name() != u"source" && xml.name() != u"translation") continue;
            const QString text =
                xml.readElementText(QXmlStreamReader::SkipChildElements).remove('\n');
            byLanguage[xml.name() == u"source" ? QString() : language].append(text);
            if (context == u"Language") names.append(text);
        }
        ASSERT_FALSE(xml.hasError()) << ts.fileName().toStdString();
    }
    ASSERT_GE(byLanguage.size(), 3U);
    for (auto& [language, all] : byLanguage) {
        ASSERT_TRUE(ui::LoadGameFont(fonts, language));
        const QRawFont font = QRawFont::fromFont(QApplication::font());
        for (const QString& text : all + names + QStringList{"-0123456789"}) {
            for (const QChar c : text) {
                EXPECT_TRUE(font.supportsCharacter(c))
                    << "missing U+" << std::hex << int(c.unicode()) << " in " << text.toStdString()
                    << " (" << language.toStdString() << ")";
            }
        }
    }
    EXPECT_TRUE(QFile::exists(fonts + "/LICENSE-OFL.txt"));
    ui::LoadGameFont(fonts);
}

TEST(BundledFont, BecomesTheApplicationFontWithHongKongForms)
{
    ASSERT_TRUE(ui::LoadGameFont(
        QString::fromStdString((testing_support::AssetsFolder() / "fonts").string())));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Noto Sans CJK HK"));
    EXPECT_EQ(QApplication::font().pixelSize(), ui::GamePixelSize);
}

}  // namespace

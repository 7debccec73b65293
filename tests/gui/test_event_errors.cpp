// An error in any handler is shown and the program goes on with what the user typed: the
// binder's handlers show it themselves, and whatever still escapes a handler (a widget's
// own key handling, a menu, a timer, a grid) is caught by the application's safety net.
#include "base/FormModel.h"
#include "base/ScriptedPrompt.h"
#include "base/TextHelpers.h"
#include "base/ui/FormBinder.h"
#include "base/ui/GuardedApplication.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

using namespace velkor;

namespace {

const QString kAmount = QStringLiteral("TutarDeneme");
const QString kOther = QStringLiteral("DigerDeneme");
const QString kButton = QStringLiteral("DugmeDeneme");
const QString kDate = QStringLiteral("TarihDeneme");

[[noreturn]] void fail(const QString& what) {
    throw ConversionError(QStringLiteral("'%1' geçerli bir sayı değil.").arg(what));
}

/// An edit whose own key handling fails, as a widget of a later version might.
class FailingEdit : public QLineEdit {
protected:
    void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("tuş işlenemedi"); }
};

} // namespace

class EventErrorsTest : public QObject {
    Q_OBJECT

private:
    GuardedApplication& app() { return *static_cast<GuardedApplication*>(qApp); }

    ScriptedPrompt m_prompt;
    FormModel* m_model = nullptr;
    QWidget* m_window = nullptr;

    /// The window of a small form whose handlers all fail.
    void build() {
        m_model = new FormModel(QStringLiteral("TDenemeF"));
        m_model->addEdit(kAmount);
        m_model->setKeyRule(kAmount, KeyRule::Amount);
        m_model->addEdit(kOther);
        m_model->addButton(kButton, QStringLiteral("Düzelt"));
        m_model->addDate(kDate, QDate(2020, 5, 1));
        m_model->onChange(kAmount, [] { fail(QStringLiteral("12,5")); });
        m_model->onLeave(kAmount, [] { fail(QStringLiteral("900.000,00")); });
        m_model->onClick(kButton, [] { fail(QStringLiteral("düğme")); });
        m_model->onChange(kDate, [] { fail(QStringLiteral("tarih")); });

        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        for (const QString& name : {kAmount, kOther}) {
            auto* edit = new QLineEdit(m_window);
            edit->setObjectName(name);
            layout->addWidget(edit);
        }
        auto* button = new QPushButton(m_window);
        button->setObjectName(kButton);
        layout->addWidget(button);
        auto* date = new QDateEdit(m_window);
        date->setObjectName(kDate);
        layout->addWidget(date);
        new FormBinder(*m_model, *m_window, m_prompt);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    template <typename W> W* find(const QString& name) { return m_window->findChild<W*>(name); }

    /// The errors shown since the last call.
    QStringList takeShown() {
        const QStringList texts = m_prompt.texts();
        m_prompt.clearShown();
        return texts;
    }

private Q_SLOTS:
    void initTestCase() {
        app().setErrorPrompt(&m_prompt);
        build();
    }

    void cleanupTestCase() {
        app().setErrorPrompt(nullptr);
        delete m_window;
        delete m_model;
    }

    // The binder's handlers: typing, leaving, pressing a button, changing a date.
    void bindersHandlersShowTheirErrorsAndKeepTheText() {
        auto* amount = find<QLineEdit>(kAmount);
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("12"));
        QCOMPARE(amount->text(), QStringLiteral("12"));
        QVERIFY(takeShown().contains(QStringLiteral("'12,5' geçerli bir sayı değil.")));

        find<QLineEdit>(kOther)->setFocus();
        QTRY_VERIFY(find<QLineEdit>(kOther)->hasFocus());
        QVERIFY(takeShown().contains(QStringLiteral("'900.000,00' geçerli bir sayı değil.")));
        // Back into the field: the text the user typed is still there to mend.
        amount->setFocus();
        QTRY_VERIFY(amount->hasFocus());
        QCOMPARE(amount->text(), QStringLiteral("12"));

        QTest::mouseClick(find<QPushButton>(kButton), Qt::LeftButton);
        QVERIFY(takeShown().contains(QStringLiteral("'düğme' geçerli bir sayı değil.")));

        auto* date = find<QDateEdit>(kDate);
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Up);
        QVERIFY(takeShown().contains(QStringLiteral("'tarih' geçerli bir sayı değil.")));
        QCOMPARE(app().caughtErrors(), 0);
    }

    // Whatever escapes a handler: a widget's key press, a menu item, a timer, a grid's double click.
    void theSafetyNetShowsWhatEscapesAHandler() {
        FailingEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(app().caughtErrors(), 1);
        QVERIFY(takeShown().contains(QStringLiteral("İşlem tamamlanamadı: tuş işlenemedi")));

        QMenu menu;
        QObject::connect(menu.addAction(QStringLiteral("Kaydı Sil")), &QAction::triggered,
                         [] { fail(QStringLiteral("menü")); });
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(app().caughtErrors(), 2);
        QVERIFY(takeShown().contains(QStringLiteral("'menü' geçerli bir sayı değil.")));

        QTimer::singleShot(0, [] { fail(QStringLiteral("zamanlayıcı")); });
        QTRY_COMPARE(app().caughtErrors(), 3);
        QVERIFY(takeShown().contains(QStringLiteral("'zamanlayıcı' geçerli bir sayı değil.")));

        QTableWidget grid(2, 2);
        grid.setItem(0, 0, new QTableWidgetItem(QStringLiteral("253")));
        QObject::connect(&grid, &QTableWidget::doubleClicked, [] { fail(QStringLiteral("liste")); });
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QPoint cell = grid.visualItemRect(grid.item(0, 0)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(app().caughtErrors(), 4);
        QVERIFY(takeShown().contains(QStringLiteral("'liste' geçerli bir sayı değil.")));

        // The program lives on: the form still takes keys.
        auto* other = find<QLineEdit>(kOther);
        other->activateWindow();
        other->setFocus();
        QTest::keyClicks(other, QStringLiteral("ok"));
        QCOMPARE(other->text(), QStringLiteral("ok"));
    }
};

int main(int argc, char* argv[]) {
    GuardedApplication app(argc, argv);
    EventErrorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_event_errors.moc"

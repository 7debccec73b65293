#include "base/FormModel.h"
#include "base/ScriptedPrompt.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "base/ui/ShellWindow.h"
#include "base/ui/WindowMemory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace velkor;

/// An installed program's windows open where the user left them in an earlier run; without
/// a settings file (a build tree, the guide's pictures) they are placed afresh every time.
class WindowMemoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWindowOpensWhereItWasLeft();
    void withoutASettingsFileEveryRunLooksAlike();
    void cleanup() { rememberWindowsIn({}); }

private:
    /// Shows a fresh window of one run, lets `use` move it, hides it; returns where it appeared.
    QRect run(const std::function<void(QWidget&)>& use = {}) {
        FormModel model(windows::kUpdate);
        WindowManager manager;
        manager.addWindow(windows::kUpdate);
        ScriptedPrompt prompt;
        ShellWindow window(model, manager, prompt);
        window.resize(420, 260);
        window.show();
        const QRect appeared = window.geometry();
        if (use)
            use(window);
        window.hide();
        return appeared;
    }
};

void WindowMemoryTest::aWindowOpensWhereItWasLeft() {
    QTemporaryDir dir;
    rememberWindowsIn(dir.path() + QStringLiteral("/velkor.conf"));
    const QRect placed(60, 70, 500, 300);
    run([&](QWidget& window) { window.setGeometry(placed); });
    QCOMPARE(rememberedGeometry(windows::kUpdate), placed);
    QCOMPARE(run(), placed);
}

void WindowMemoryTest::withoutASettingsFileEveryRunLooksAlike() {
    const QRect first = run([](QWidget& window) { window.setGeometry(QRect(60, 70, 500, 300)); });
    QVERIFY(rememberedGeometry(windows::kUpdate).isNull());
    QCOMPARE(run(), first);
}

QTEST_MAIN(WindowMemoryTest)
#include "test_window_memory.moc"

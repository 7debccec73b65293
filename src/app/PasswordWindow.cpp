#include "app/PasswordWindow.h"

#include "app/PasswordWindowControls.h"
#include "app/Program.h"
#include "base/WindowNames.h"

namespace velkor {

namespace {
const QString kSifre = QStringLiteral("sifre");
const QString kMids = QStringLiteral("mids");
} // namespace

PasswordWindow::PasswordWindow(Program& program)
    : m_program(program), m_form(windows::kPasswords),
      m_sifreli(program.context().general(), QStringLiteral("sifreli")),
      m_mast(program.context().general(), QStringLiteral("mast")) {
    m_form.setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı Şifre Girişi"));
    m_form.addEdit(ctl::passwords::Sifre, {}, QStringLiteral("Program Giriş Şifresi"));
    m_form.addEdit(ctl::passwords::Master, {}, QStringLiteral("Program Master Şifresi"));
    m_form.addButton(ctl::passwords::JvXPButton7, QStringLiteral("SAKLA"));
    m_form.addLabel(ctl::passwords::Label1,
                    QStringLiteral("Master şifreyi değiştirdiyseniz unutmayınız! Aksi "
                                   "Halde bilgileriniz bloke olacaktır."));

    m_form.onChange(ctl::passwords::Sifre,
                    [this] { startEditing(m_sifreli, kSifre, m_form.text(ctl::passwords::Sifre)); });
    m_form.onChange(ctl::passwords::Master,
                    [this] { startEditing(m_mast, kMids, m_form.text(ctl::passwords::Master)); });
    m_form.onClick(ctl::passwords::JvXPButton7, [this] { JvXPButton7Click(); });
    program.windows().onHide(windows::kPasswords, [this] { discardEdits(); });
    program.windows().onDeactivate(windows::kPasswords, [this] { discardEdits(); });
}

void PasswordWindow::openTables() {
    m_program.context().general().ensureOpen();
    m_sifreli.ensureOpen();
    m_mast.ensureOpen();
}

bool PasswordWindow::entryPasswordAccepts(const QString& typed) {
    openTables();
    if (m_sifreli.state() == Table::State::Browse)
        m_sifreli.first();
    if (m_sifreli.isEmpty())
        return true;
    const QString stored = m_sifreli.text(kSifre);
    return stored == typed || stored == QLatin1String("1");
}

bool PasswordWindow::masterPasswordAccepts(const QString& typed) {
    openTables();
    if (m_mast.state() == Table::State::Browse)
        m_mast.first();
    if (m_mast.isEmpty())
        return true;
    return m_mast.text(kMids) == typed;
}

void PasswordWindow::open() {
    openTables();
    discardEdits();
    m_sifreli.first();
    m_mast.first();
    showStoredValues();
    m_program.windows().show(windows::kPasswords);
}

void PasswordWindow::startEditing(Table& table, const QString& column, const QString& value) {
    table.ensureOpen();
    if (table.state() == Table::State::Browse) {
        if (table.isEmpty())
            table.append();
        else
            table.edit();
    }
    table.setValue(column, value);
}

void PasswordWindow::JvXPButton7Click() {
    QStringList saved;
    for (Table* table : {&m_sifreli, &m_mast}) {
        if (!table->isOpen() || table->state() == Table::State::Browse)
            continue;
        if (table->isModified()) {
            table->post();
            saved << (table == &m_sifreli ? QStringLiteral("program giriş şifresi")
                                          : QStringLiteral("master şifre"));
        } else {
            table->cancel();
        }
    }
    QString said = QStringLiteral("Şifrelerde değişiklik yapılmadı.");
    if (!saved.isEmpty()) {
        said = saved.join(QStringLiteral(" ve ")) + QStringLiteral(" saklandı.");
        said[0] = said[0].toUpper();
    }
    m_program.prompt().showMessage(said, m_form.caption(), PromptIcon::Information);
    // The passwords are not left readable on the screen once they are stored.
    m_form.setText(ctl::passwords::Sifre, {});
    m_form.setText(ctl::passwords::Master, {});
    m_program.windows().hide(windows::kPasswords);
}

void PasswordWindow::discardEdits() {
    bool dropped = false;
    for (Table* table : {&m_sifreli, &m_mast}) {
        if (table->isOpen() && table->state() != Table::State::Browse) {
            table->cancel();
            dropped = true;
        }
    }
    if (dropped)
        showStoredValues();
}

void PasswordWindow::showStoredValues() {
    m_form.setText(ctl::passwords::Sifre,
                   m_sifreli.isOpen() && !m_sifreli.isEmpty() ? m_sifreli.text(kSifre) : QString());
    m_form.setText(ctl::passwords::Master,
                   m_mast.isOpen() && !m_mast.isEmpty() ? m_mast.text(kMids) : QString());
}

} // namespace velkor

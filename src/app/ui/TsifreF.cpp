#include "app/ui/TsifreF.h"

#include "app/PasswordWindow.h"
#include "app/PasswordWindowControls.h"
#include "app/Program.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TsifreF::TsifreF(Program& program, QWidget* parent)
    : FormWindow(program.passwords().form(), program.windows(), program.prompt(), parent) {
    FormModel& form = model();
    // The edits hold no more than their columns can store, and show no one what they hold.
    QLineEdit* entry = makeEdit(ctl::passwords::Sifre);
    entry->setMaxLength(30);
    entry->setEchoMode(QLineEdit::Password);
    QLineEdit* master = makeEdit(ctl::passwords::Master);
    master->setMaxLength(16);
    master->setEchoMode(QLineEdit::Password);

    auto* fields = new QFormLayout;
    fields->addRow(form.label(ctl::passwords::Sifre), entry);
    fields->addRow(form.label(ctl::passwords::Master), master);

    QLabel* warning = makeLabel(ctl::passwords::Label1);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(makeButton(ctl::passwords::JvXPButton7), 0, Qt::AlignRight);
    layout->addWidget(warning);
    resize(480, 200);
    bindForm();
}

} // namespace velkor

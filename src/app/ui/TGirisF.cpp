#include "app/ui/TGirisF.h"

#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/Program.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TGirisF::TGirisF(Program& program, QWidget* parent)
    : FormWindow(program.entry().form(), program.windows(), program.prompt(), parent), m_program(program) {
    auto* title = new QLabel(kApplicationTitle, this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    QLineEdit* code = makeEdit(ctl::entry::firmaedit);
    QFont bold = code->font();
    bold.setBold(true);
    code->setFont(bold);
    code->setToolTip(QStringLiteral("Çift tıklayarak firma seçebilirsiniz"));
    QLabel* name = makeLabel(ctl::entry::Label1);
    name->setFont(bold);
    name->setMinimumWidth(320);
    QLineEdit* password = makeEdit(ctl::entry::sifreEdit);
    password->setEchoMode(QLineEdit::Password);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(ctl::entry::Label3), 0, 0);
    grid->addWidget(code, 0, 1);
    grid->addWidget(makeButton(ctl::entry::FirmaSecBut), 0, 2);
    grid->addWidget(name, 1, 1, 1, 2);
    grid->addWidget(makeLabel(ctl::entry::Label2), 2, 0);
    grid->addWidget(password, 2, 1);
    grid->addWidget(makeButton(ctl::entry::JvXPButton3), 2, 2);
    grid->addWidget(makeButton(ctl::entry::YeniFirmaBut), 3, 2);
    grid->addWidget(makeButton(ctl::entry::VeriKlasoruBut), 3, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    QPushButton* enter = makeButton(ctl::entry::DuzeltmeBut);
    QFont large = enter->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    enter->setFont(large);
    enter->setMinimumHeight(56);
    enter->setDefault(true);
    FormBinder::pressOnEnter(*password, *enter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(enter);
    layout->addStretch();
    resize(640, 320);
    bindForm();
}

void TGirisF::closeEvent(QCloseEvent* event) {
    event->ignore();
    act([this] { m_program.entry().close(); });
}

} // namespace velkor

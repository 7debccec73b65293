#include "app/ui/TAnaMenuF.h"

#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkor {

TAnaMenuF::TAnaMenuF(Program& program, QWidget* parent)
    : FormWindow(program.mainMenu().form(), program.windows(), program.prompt(), parent) {
    // Each group is a bar that folds its items away when its heading is pressed.
    auto* bars = new QWidget(this);
    bars->setObjectName(ctl::mainmenu::MenuBar);
    bars->setMinimumWidth(280);
    bars->setStyleSheet(QStringLiteral("#MenuBar { background: #dde6f2; }"));
    auto* barsLayout = new QVBoxLayout(bars);
    for (const MainMenu::Group& group : MainMenu::groups()) {
        auto* heading = new QToolButton(bars);
        heading->setText(group.caption);
        heading->setCheckable(true);
        heading->setChecked(true);
        heading->setArrowType(Qt::DownArrow);
        heading->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        heading->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QFont headingFont = heading->font();
        headingFont.setBold(true);
        heading->setFont(headingFont);
        auto* page = new QWidget(bars);
        auto* items = new QVBoxLayout(page);
        items->setContentsMargins(12, 0, 0, 6);
        items->setSpacing(0);
        for (const QString& item : group.items) {
            QPushButton* button = makeButton(item);
            button->setParent(page);
            button->setFlat(true);
            button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
            button->setCursor(Qt::PointingHandCursor);
            items->addWidget(button);
        }
        connect(heading, &QToolButton::toggled, page, [heading, page](bool open) {
            page->setVisible(open);
            heading->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        });
        barsLayout->addWidget(heading);
        barsLayout->addWidget(page);
    }
    barsLayout->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(makeButton(ctl::mainmenu::BitBtn2));
    top->addWidget(makeButton(ctl::mainmenu::BitBtn5));
    top->addStretch();

    auto* company = new QGroupBox(this);
    auto* grid = new QGridLayout(company);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    QLabel* code = makeLabel(ctl::mainmenu::Label2);
    QLabel* name = makeLabel(ctl::mainmenu::Label4);
    code->setFont(bold);
    name->setFont(bold);
    name->setWordWrap(true);
    grid->addWidget(makeLabel(ctl::mainmenu::Label1), 0, 0);
    grid->addWidget(code, 0, 1);
    grid->addWidget(makeLabel(ctl::mainmenu::Label3), 1, 0);
    grid->addWidget(name, 1, 1);
    grid->addWidget(makeButton(ctl::mainmenu::JvXPButton19), 0, 2, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* title = new QLabel(kApplicationTitle, this);
    QFont titleFont = font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* right = new QVBoxLayout;
    right->addLayout(top);
    right->addWidget(company);
    right->addStretch();
    right->addWidget(title);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(bars);
    layout->addLayout(right, 1);
    resize(1000, 600);
    bindForm();
}

} // namespace velkor

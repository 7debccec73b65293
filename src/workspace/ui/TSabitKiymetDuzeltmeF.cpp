#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include "app/Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TSabitKiymetDuzeltmeF::TSabitKiymetDuzeltmeF(Program& program, QWidget* parent)
    : FormWindow(program.workspace(), program.windows(), program.prompt(), parent) {
    auto* top = new QHBoxLayout;
    QLabel* company = makeLabel(QStringLiteral("Label4"));
    QFont bold = company->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    company->setFont(bold);
    top->addWidget(company, 1);
    if (model().has(QStringLiteral("JvXPButton19")))
        top->addWidget(makeButton(QStringLiteral("JvXPButton19")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    resize(1000, 640);
    bindForm();
}

} // namespace velkor

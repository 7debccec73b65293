#include "registry/ui/TFirmaKayitF.h"

#include "registry/RegistrationForm.h"
#include "registry/RegistrationFormControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

namespace {

struct Place {
    const QString& name;
    int row;
    int column;
    int span;
    int maxLength;
};

// Two columns of edits; the lengths are those of the registry's columns.
const Place kPlaces[] = {
    {ctl::registration::Sira_No_Edit, 0, 0, 1, 0},      {ctl::registration::KoduEdit, 1, 0, 1, 30},
    {ctl::registration::FirmaAdiEdit, 2, 0, 3, 120},    {ctl::registration::AdresiEdit, 3, 0, 3, 120},
    {ctl::registration::SehirEdit, 4, 0, 1, 50},        {ctl::registration::ilceEdit, 4, 2, 1, 50},
    {ctl::registration::TelefonEdit, 5, 0, 1, 20},      {ctl::registration::Telefon2Edit, 5, 2, 1, 20},
    {ctl::registration::FaksEdit, 6, 0, 1, 20},         {ctl::registration::Vergi_DaireEdit, 7, 0, 1, 100},
    {ctl::registration::Vergi_NoEdit, 7, 2, 1, 11},     {ctl::registration::YetkiliAdiEdit, 8, 0, 1, 50},
    {ctl::registration::YetkiliUnvanEdit, 8, 2, 1, 50},
};

} // namespace

TFirmaKayitF::TFirmaKayitF(RegistrationForm& registration, WindowManager& windows, Prompt& prompt,
                           QWidget* parent)
    : FormWindow(registration, windows, prompt, parent) {
    FormModel& form = model();
    auto* heading = new QLabel(QStringLiteral("Firma Bilgileri Giriş Değişiklik"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto* grid = new QGridLayout;
    for (const Place& place : kPlaces) {
        const QString& name = place.name;
        QLineEdit* edit = makeEdit(name);
        if (place.maxLength > 0)
            edit->setMaxLength(place.maxLength);
        grid->addWidget(makeCaption(form.label(name), this), place.row, place.column);
        grid->addWidget(edit, place.row, place.column + 1, 1, place.span);
    }
    QLineEdit* sales = makeEdit(ctl::registration::BrutSatis2023Edit);
    sales->setAlignment(Qt::AlignRight);
    grid->addWidget(makeCaption(form.label(ctl::registration::BrutSatis2023Edit), this), 9, 0);
    grid->addWidget(sales, 9, 1);
    grid->addWidget(makeCheck(ctl::registration::KiymetliMadenCheck), 9, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(ctl::registration::kaydetBut));
    buttons->addWidget(makeButton(ctl::registration::yeniButton));
    buttons->addStretch();
    buttons->addWidget(makeButton(ctl::registration::vazgecBut));
    buttons->addWidget(makeButton(ctl::registration::kapatBut));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(760, 420);
    bindForm();
}

} // namespace velkor

#include "import/ImportSettings.h"

#include "import/ExcelImportFormControls.h"
#include "storage/IniFile.h"

#include <QFileInfo>

namespace velkor::importsettings {

namespace {

const QString kSection = QStringLiteral("ExcelAyar");

} // namespace

const QStringList& editKeys() {
    using namespace ctl::excelimport;
    static const QStringList keys{AnaHesapE,    AlHesapKodE,   GirisTarihiE, KayitliTutarE,
                                  PasifTutarE,  AmortSureE,    AmortYontemE, BirikmisAmortismanE,
                                  HesapAdiEdit, AmortHesapEdit};
    return keys;
}

const QStringList& checkKeys() {
    using namespace ctl::excelimport;
    static const QStringList keys{AnaHesapBurdanCheck,     ilkUcHarfCheck,      BorcAlacakBuCheck,
                                  SabitKiymetAktarmaCheck, StoklarAktarmaCheck, StoklarBasitOrtalamaCheck};
    return keys;
}

void proposeUsualMapping(FormModel& form) {
    using namespace ctl::excelimport;
    const std::pair<const QString&, const char*> columns[] = {
        {AnaHesapE, "1"},           {AlHesapKodE, "1"},   {HesapAdiEdit, "2"}, {GirisTarihiE, "3"},
        {KayitliTutarE, "4"},       {PasifTutarE, "5"},   {AmortSureE, "6"},   {AmortYontemE, "7"},
        {BirikmisAmortismanE, "8"}, {AmortHesapEdit, "9"}};
    for (const auto& [edit, column] : columns)
        form.setText(edit, QString::fromLatin1(column));
    for (const QString& key : checkKeys())
        form.setChecked(key, key == ilkUcHarfCheck);
}

void load(FormModel& form, const QString& path) {
    // A first import should not fail on empty column edits: the usual list is proposed,
    // shown in the edits for the user to change.
    if (!QFileInfo::exists(path)) {
        proposeUsualMapping(form);
        return;
    }
    const IniFile ini(path);
    for (const QString& key : editKeys())
        form.setText(key, ini.value(kSection, key));
    for (const QString& key : checkKeys())
        form.setChecked(key, ini.value(kSection, key) == QLatin1String("1"));
}

void save(const FormModel& form, const QString& path) {
    IniFile ini(path);
    for (const QString& key : editKeys())
        ini.setValue(kSection, key, form.text(key));
    for (const QString& key : checkKeys())
        ini.setValue(kSection, key, form.isChecked(key) ? QStringLiteral("1") : QStringLiteral("2"));
}

} // namespace velkor::importsettings

#include "base/FormModel.h"

#include "base/NumberFormat.h"
#include "base/StrictAmount.h"
#include "base/TextHelpers.h"

#include <algorithm>

namespace velkor {

namespace {
const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

// A one-line edit takes no control character, and an amount or digits field only what its
// keys can type: a text read leniently would be stored as some other number ("1e309" as 1309).
QString editRefusal(const QString& name, KeyRule rule, const QString& text) {
    if (hasControlCharacter(text))
        return controlCharacterRefusal(name);
    switch (rule) {
    case KeyRule::Amount:
        if (!ParseStrictAmount(text)) {
            const Separators separators = regionalSeparators();
            const QString grouped = QStringLiteral("900") + separators.group + QStringLiteral("000") +
                                    separators.decimal + QStringLiteral("00");
            const QString negative = QStringLiteral("-12") + separators.decimal + QLatin1Char('5');
            return QStringLiteral("%1 alanı bir tutar alır (örneğin %2, 900000 ya da %3; mutlak değerce en "
                                  "fazla %4): %5")
                .arg(name, grouped, negative, kAmountLimitText, text);
        }
        break;
    case KeyRule::Digits:
        if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return QStringLiteral("%1 alanı yalnızca rakam alır: %2").arg(name, text);
        break;
    case KeyRule::Free:
        break;
    }
    return {};
}
} // namespace

FormModel::FormModel(const QString& name, QObject* parent) : QObject(parent), m_name(name) {}

void FormModel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    Q_EMIT captionChanged(caption);
}

FormModel::Field& FormModel::add(const QString& name, FieldKind kind) {
    if (has(name))
        throw std::logic_error("duplicate control " + name.toStdString() + " in " + m_name.toStdString());
    m_order << name;
    Field& f = m_fields[name];
    f.kind = kind;
    return f;
}

void FormModel::addEdit(const QString& name, const QString& text, const QString& label) {
    Field& f = add(name, FieldKind::Edit);
    f.text = text;
    f.label = label;
}

void FormModel::addLabel(const QString& name, const QString& text) {
    add(name, FieldKind::Label).text = text;
}

void FormModel::addCheck(const QString& name, bool checked, const QString& label) {
    Field& f = add(name, FieldKind::Check);
    f.text = checked ? QStringLiteral("1") : QStringLiteral("0");
    f.label = label;
}

void FormModel::addRadio(const QString& name, const QString& group, bool checked, const QString& label) {
    Field& f = add(name, FieldKind::Radio);
    f.group = group;
    f.label = label;
    f.text = QStringLiteral("0");
    if (checked)
        setChecked(name, true);
}

void FormModel::addRadioGroup(const QString& name, const QStringList& items, int index,
                              const QString& label) {
    Field& f = add(name, FieldKind::RadioGroup);
    f.items = items;
    f.label = label;
    f.text = QString::number(index);
}

void FormModel::addCombo(const QString& name, const QStringList& items, const QString& text,
                         const QString& label) {
    Field& f = add(name, FieldKind::Combo);
    f.items = items;
    f.text = text;
    f.label = label;
}

void FormModel::addDate(const QString& name, const QDate& date, const QString& label) {
    Field& f = add(name, FieldKind::Date);
    f.text = date.toString(kDateFormat);
    f.label = label;
}

void FormModel::addRich(const QString& name) {
    add(name, FieldKind::Rich);
}

void FormModel::addButton(const QString& name, const QString& label) {
    Field& f = add(name, FieldKind::Button);
    f.label = label;
    f.text = label;
}

FormModel::Field& FormModel::field(const QString& name) {
    auto it = m_fields.find(name);
    if (it == m_fields.end())
        throw UnknownFieldError("Bilinmeyen alan: " + name.toStdString() + " (" + m_name.toStdString() + ")");
    return it->second;
}

const FormModel::Field& FormModel::field(const QString& name) const {
    return const_cast<FormModel*>(this)->field(name);
}

FieldKind FormModel::kind(const QString& name) const {
    return field(name).kind;
}

QString FormModel::label(const QString& name) const {
    return field(name).label;
}

QString FormModel::radioGroup(const QString& name) const {
    return field(name).group;
}

QString FormModel::text(const QString& name) const {
    const Field& f = field(name);
    if (f.kind == FieldKind::Rich)
        return f.lines.join(QLatin1Char('\n'));
    return f.text;
}

void FormModel::setText(const QString& name, const QString& text) {
    Field& f = field(name);
    if (f.kind == FieldKind::Rich) {
        setLines(name, text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
        return;
    }
    if (f.kind == FieldKind::Radio) {
        setChecked(name, text == QLatin1String("1"));
        return;
    }
    if (f.text == text)
        return;
    f.text = text;
    Q_EMIT fieldChanged(name);
}

bool FormModel::isChecked(const QString& name) const {
    return field(name).text == QLatin1String("1");
}

void FormModel::setChecked(const QString& name, bool checked) {
    Field& f = field(name);
    const QString value = checked ? QStringLiteral("1") : QStringLiteral("0");
    if (f.kind == FieldKind::Radio && checked) {
        for (auto& [otherName, other] : m_fields) {
            if (otherName != name && other.kind == FieldKind::Radio && other.group == f.group &&
                other.text != QLatin1String("0")) {
                other.text = QStringLiteral("0");
                Q_EMIT fieldChanged(otherName);
            }
        }
    }
    if (f.text == value)
        return;
    f.text = value;
    Q_EMIT fieldChanged(name);
}

QStringList FormModel::items(const QString& name) const {
    return field(name).items;
}

void FormModel::setItems(const QString& name, const QStringList& items) {
    field(name).items = items;
    Q_EMIT fieldChanged(name);
}

int FormModel::itemIndex(const QString& name) const {
    const Field& f = field(name);
    if (f.kind == FieldKind::RadioGroup) {
        bool ok = false;
        const int index = f.text.toInt(&ok);
        return ok ? index : -1;
    }
    return f.items.indexOf(f.text);
}

void FormModel::setItemIndex(const QString& name, int index) {
    Field& f = field(name);
    if (f.kind == FieldKind::RadioGroup)
        setText(name, QString::number(index));
    else
        setText(name, index >= 0 && index < f.items.size() ? f.items.at(index) : QString());
}

QDate FormModel::date(const QString& name) const {
    return QDate::fromString(field(name).text, kDateFormat);
}

void FormModel::setDate(const QString& name, const QDate& date) {
    setText(name, date.toString(kDateFormat));
}

QStringList FormModel::lines(const QString& name) const {
    return field(name).lines;
}

void FormModel::setLines(const QString& name, const QStringList& lines) {
    field(name).lines = lines;
    Q_EMIT fieldChanged(name);
}

void FormModel::appendLine(const QString& name, const QString& line) {
    field(name).lines << line;
    Q_EMIT fieldChanged(name);
}

bool FormModel::isEnabled(const QString& name) const {
    return enabledNow(field(name));
}

void FormModel::setEnabled(const QString& name, bool enabled) {
    Field& f = field(name);
    if (f.enabled == enabled)
        return;
    f.enabled = enabled;
    Q_EMIT fieldChanged(name);
}

bool FormModel::isVisible(const QString& name) const {
    return field(name).visible;
}

void FormModel::setVisible(const QString& name, bool visible) {
    Field& f = field(name);
    if (f.visible == visible)
        return;
    f.visible = visible;
    Q_EMIT fieldChanged(name);
}

bool FormModel::isReadOnly(const QString& name) const {
    return readOnlyNow(field(name));
}

bool FormModel::heldAsReadOnly(FieldKind kind) {
    return kind == FieldKind::Edit || kind == FieldKind::Date || kind == FieldKind::Rich;
}

void FormModel::hold(const QString& name) {
    Field& f = field(name);
    if (f.held)
        return;
    f.held = true;
    Q_EMIT fieldChanged(name);
}

void FormModel::hold(const QStringList& names) {
    for (const QString& name : names)
        hold(name);
}

bool FormModel::isHeld(const QString& name) const {
    return field(name).held;
}

KeyRule FormModel::keyRule(const QString& name) const {
    return has(name) ? field(name).keyRule : KeyRule::Free;
}

void FormModel::setKeyRule(const QString& name, KeyRule rule) {
    field(name).keyRule = rule;
}

bool FormModel::keepsTextOnEnter(const QString& name) const {
    return has(name) && field(name).keepsTextOnEnter;
}

void FormModel::setKeepsTextOnEnter(const QString& name, bool keeps) {
    field(name).keepsTextOnEnter = keeps;
}

bool FormModel::isListOnly(const QString& name) const {
    return has(name) && field(name).listOnly;
}

void FormModel::setListOnly(const QString& name, bool listOnly) {
    field(name).listOnly = listOnly;
}

void FormModel::setDateRange(const QString& name, const QDate& first, const QDate& last) {
    Field& f = field(name);
    f.firstDate = first;
    f.lastDate = last;
}

std::optional<std::pair<QDate, QDate>> FormModel::dateRange(const QString& name) const {
    if (!has(name))
        return std::nullopt;
    const Field& f = field(name);
    if (!f.firstDate.isValid() || !f.lastDate.isValid())
        return std::nullopt;
    return std::make_pair(f.firstDate, f.lastDate);
}

QString FormModel::dateRangeRefusal(const QString& name, const QDate& date) const {
    const auto range = dateRange(name);
    if (!range || (date >= range->first && date <= range->second))
        return {};
    return QStringLiteral("Tarih %1 ile %2 arasında olmalıdır.")
        .arg(range->first.toString(kDateFormat), range->second.toString(kDateFormat));
}

void FormModel::setReadOnly(const QString& name, bool readOnly) {
    Field& f = field(name);
    if (f.readOnly == readOnly)
        return;
    f.readOnly = readOnly;
    Q_EMIT fieldChanged(name);
}

QString FormModel::userActRefusal(const QString& name) const {
    const Field& f = field(name);
    if (!f.visible)
        return QStringLiteral("%1 alanı pencerede görünmüyor; kullanılamaz.").arg(name);
    if (!enabledNow(f))
        return QStringLiteral("%1 alanı şu anda kullanılamaz (devre dışı).").arg(name);
    return {};
}

bool FormModel::isUserEditable(const QString& name) const {
    const Field& f = field(name);
    return f.visible && enabledNow(f) && !readOnlyNow(f) && f.kind != FieldKind::Label &&
           f.kind != FieldKind::Button;
}

QString FormModel::userSetRefusal(const QString& name, const QString& text) const {
    const Field& f = field(name);
    if (QString refusal = userActRefusal(name); !refusal.isEmpty())
        return refusal;
    if (readOnlyNow(f))
        return QStringLiteral("%1 alanı salt okunur; değiştirilemez.").arg(name);
    switch (f.kind) {
    case FieldKind::Label:
    case FieldKind::Button:
        return QStringLiteral("%1 bir yazı alanı değil; değeri verilemez.").arg(name);
    case FieldKind::Check:
        if (text != QLatin1String("0") && text != QLatin1String("1"))
            return QStringLiteral("%1 onay kutusu 0 ya da 1 alır: %2").arg(name, text);
        break;
    case FieldKind::Radio:
        if (text != QLatin1String("1"))
            return QStringLiteral("%1 seçenek düğmesi yalnızca 1 ile seçilir: %2").arg(name, text);
        break;
    case FieldKind::RadioGroup: {
        bool ok = false;
        const int index = text.toInt(&ok);
        if (!ok || index < 0 || index >= f.items.size() || text != QString::number(index))
            return QStringLiteral("%1 seçenek grubu 0 ile %2 arasında bir sıra alır: %3")
                .arg(name)
                .arg(f.items.size() - 1)
                .arg(text);
        break;
    }
    case FieldKind::Combo:
        if (f.listOnly && !f.items.contains(text))
            return QStringLiteral("%1 listesi yalnızca şu değerleri alır: %2 (verilen: %3)")
                .arg(name, f.items.join(QStringLiteral(", ")), text);
        if (hasControlCharacter(text))
            return controlCharacterRefusal(name);
        break;
    case FieldKind::Edit:
        return editRefusal(name, f.keyRule, text);
    case FieldKind::Date: {
        const QDate date = QDate::fromString(text, kDateFormat);
        if (!date.isValid())
            return QStringLiteral("%1 gg.aa.yyyy biçiminde bir tarih alır: %2").arg(name, text);
        return dateRangeRefusal(name, date);
    }
    default:
        break;
    }
    return {};
}

void FormModel::userSet(const QString& name, const QString& text) {
    setText(name, text);
    if (const Handler& h = field(name).change)
        h();
}

void FormModel::click(const QString& name) {
    if (const Handler& h = field(name).clickHandler)
        h();
}

void FormModel::leave(const QString& name) {
    if (const Handler& h = field(name).leaveHandler)
        h();
}

void FormModel::onChange(const QString& name, Handler handler) {
    field(name).change = std::move(handler);
}

void FormModel::onClick(const QString& name, Handler handler) {
    field(name).clickHandler = std::move(handler);
}

void FormModel::onLeave(const QString& name, Handler handler) {
    field(name).leaveHandler = std::move(handler);
}

} // namespace velkor

#include "rules/FieldRules.h"

#include "model/Cp1250.h"
#include "rules/CharacterSets.h"
#include "rules/KeywordRule.h"
#include "rules/NumberRules.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

namespace torval {

namespace {

// The messages are Czech in the source, marked for Qt's translator.
QString rulesText(const char* source)
{
    return QCoreApplication::translate("FieldRules", source);
}

enum class CheckKind {
    Chars,           // only characters of `set`
    CharsNotEmpty,   // only characters of `set`, and at least one
    Keyword,         // passesKeywordRule with ReservedKeywords
    NotEqualPartner, // pair: a non-empty text must differ from the partner, ignoring case
    PrefixPartner,   // pair: neither text may begin the other, ignoring case
};

struct Check {
    CheckKind kind;
    QStringView set;        // Chars, CharsNotEmpty
    int partner;            // pair checks: index into RuleInput::partners
    QString message;        // the text of the message; sets and keywords are appended by message()
    bool appendSet = false; // character checks of names and texts tell which characters are allowed
};

QString message(const Check& c)
{
    switch (c.kind) {
    case CheckKind::Chars:
    case CheckKind::CharsNotEmpty: return c.appendSet ? c.message + c.set.toString() : c.message;
    case CheckKind::Keyword: return c.message + ReservedKeywords.toString();
    case CheckKind::NotEqualPartner:
    case CheckKind::PrefixPartner: return c.message;
    }
    return c.message;
}

bool isPair(const Check& c)
{
    return c.kind == CheckKind::NotEqualPartner || c.kind == CheckKind::PrefixPartner;
}

Check chars(QStringView set, const char* text)
{
    return {CheckKind::Chars, set, -1, rulesText(text), true};
}
// Numbers name no set: their message says the value is wrong.
Check plainChars(QStringView set, const char* text)
{
    return {CheckKind::Chars, set, -1, rulesText(text), false};
}
Check charsNotEmpty(QStringView set, const char* text)
{
    return {CheckKind::CharsNotEmpty, set, -1, rulesText(text)};
}
Check keyword(const char* text)
{
    return {CheckKind::Keyword, {}, -1, rulesText(text)};
}
Check notEqual(int partner, const char* text)
{
    return {CheckKind::NotEqualPartner, {}, partner, rulesText(text)};
}
Check prefix(int partner, const char* text)
{
    return {CheckKind::PrefixPartner, {}, partner, rulesText(text)};
}

// The checks of every rule, in the order they run.
std::vector<Check> checksOf(RuleId rule)
{
    static const char* const onChars =
        QT_TRANSLATE_NOOP("FieldRules", "Název 'Zapnuto' může obsahovat pouze tyto znaky: ");
    static const char* const offChars =
        QT_TRANSLATE_NOOP("FieldRules", "Název 'Vypnuto' může obsahovat pouze tyto znaky: ");
    static const char* const impulseChars =
        QT_TRANSLATE_NOOP("FieldRules", "Název 'Impuls' může obsahovat pouze tyto znaky: ");
    static const char* const onKeyword = QT_TRANSLATE_NOOP(
        "FieldRules", "Název 'Zapnuto' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ");
    static const char* const offKeyword = QT_TRANSLATE_NOOP(
        "FieldRules", "Název 'Vypnuto' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ");
    static const char* const onEqual =
        QT_TRANSLATE_NOOP("FieldRules", "Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'.");
    static const char* const offEqual =
        QT_TRANSLATE_NOOP("FieldRules", "Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'.");

    switch (rule) {
    case RuleId::None:
    case RuleId::PowerSaveHours:
    case RuleId::PowerSaveMinutes:
    case RuleId::ImpulseLength: return {};
    case RuleId::Text:
        return {chars(TextChars, QT_TRANSLATE_NOOP("FieldRules", "Text může obsahovat pouze tyto znaky: "))};
    case RuleId::InputName:
        return {chars(NameChars, QT_TRANSLATE_NOOP("FieldRules", "Název vstupu může obsahovat pouze tyto znaky: ")),
                keyword(QT_TRANSLATE_NOOP(
                    "FieldRules", "Název vstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): "))};
    case RuleId::InputStateOn: return {chars(NameChars, onChars), notEqual(0, onEqual)};
    case RuleId::InputStateOff: return {chars(NameChars, offChars), notEqual(0, offEqual)};
    case RuleId::InputTransitionLH:
        return {chars(
            NameChars,
            QT_TRANSLATE_NOOP("FieldRules", "Název přechodu 'Neaktivní->Aktivní' může obsahovat pouze tyto znaky: "))};
    case RuleId::InputTransitionHL:
        return {chars(
            NameChars,
            QT_TRANSLATE_NOOP("FieldRules", "Název přechodu 'Aktivní->Neaktivní' může obsahovat pouze tyto znaky: "))};
    case RuleId::DialogInputTransitionLH:
        return {chars(NameChars,
                      QT_TRANSLATE_NOOP("FieldRules", "Název přechodu '0->1' může obsahovat pouze tyto znaky: "))};
    case RuleId::DialogInputTransitionHL:
        return {chars(NameChars,
                      QT_TRANSLATE_NOOP("FieldRules", "Název přechodu '1->0' může obsahovat pouze tyto znaky: "))};
    case RuleId::OutputName:
        return {chars(CommandChars, QT_TRANSLATE_NOOP("FieldRules", "Název výstupu může obsahovat pouze tyto znaky: ")),
                keyword(QT_TRANSLATE_NOOP(
                    "FieldRules", "Název výstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): "))};
    case RuleId::OutputOn:
        return {
            chars(CommandChars, onChars),
            prefix(0,
                   QT_TRANSLATE_NOOP("FieldRules", "Název 'Zapnuto' nesmí být prefixem názvu 'Vypnuto' ani naopak.")),
            prefix(1, QT_TRANSLATE_NOOP("FieldRules", "Název 'Zapnuto' nesmí být prefixem názvu 'Impuls' ani naopak.")),
            keyword(onKeyword)};
    case RuleId::OutputOff:
        return {
            chars(CommandChars, offChars),
            prefix(0,
                   QT_TRANSLATE_NOOP("FieldRules", "Název 'Vypnuto' nesmí být prefixem názvu 'Zapnuto' ani naopak.")),
            prefix(1, QT_TRANSLATE_NOOP("FieldRules", "Název 'Vypnuto' nesmí být prefixem názvu 'Impuls' ani naopak.")),
            keyword(offKeyword)};
    case RuleId::OutputImpulse:
        return {
            chars(CommandChars, impulseChars),
            prefix(0, QT_TRANSLATE_NOOP("FieldRules", "Název 'Impuls' nesmí být prefixem názvu 'Vypnuto' ani naopak.")),
            prefix(1, QT_TRANSLATE_NOOP("FieldRules", "Název 'Impuls' nesmí být prefixem názvu 'Zapnuto' ani naopak.")),
            keyword(QT_TRANSLATE_NOOP(
                "FieldRules", "Název 'Impuls' nesmí být žádné z těchto klíčových slov (ani jejich předpony): "))};
    case RuleId::DialogOutputOn: return {chars(CommandChars, onChars), notEqual(0, onEqual), keyword(onKeyword)};
    case RuleId::DialogOutputOff: return {chars(CommandChars, offChars), notEqual(0, offEqual), keyword(offKeyword)};
    case RuleId::DialogOutputImpulse:
        return {chars(CommandChars, impulseChars),
                keyword(QT_TRANSLATE_NOOP(
                    "FieldRules", "Název 'impuls' nesmí být žádné z těchto klíčových slov (ani jejich předpony): "))};
    case RuleId::Phone:
        return {plainChars(PhoneChars, QT_TRANSLATE_NOOP("FieldRules", "Telefonní číslo je špatně zadáno."))};
    case RuleId::ServiceCentre:
        return {plainChars(PhoneChars,
                           QT_TRANSLATE_NOOP("FieldRules", "Telefonní číslo servisního centra je špatně zadáno."))};
    case RuleId::Uto: return {plainChars(PhoneChars, QT_TRANSLATE_NOOP("FieldRules", "UTO je špatně zadáno."))};
    case RuleId::Pin: return {plainChars(DigitChars, QT_TRANSLATE_NOOP("FieldRules", "PIN je špatně zadán."))};
    case RuleId::SmsValidity:
        return {charsNotEmpty(
            DigitChars,
            QT_TRANSLATE_NOOP(
                "FieldRules",
                "Doba platnosti SMS zprávy je špatně zadána. Povolená hodnota je číslo 1 až 30 včetně."))};
    case RuleId::AnalogPercent:
        return {charsNotEmpty(DecimalChars, QT_TRANSLATE_NOOP("FieldRules", "Číslo je chybně zadáno."))};
    }
    return {};
}

bool checkPasses(const Check& c, const RuleInput& in)
{
    switch (c.kind) {
    case CheckKind::Chars: return hasOnlyAllowedChars(in.text, c.set);
    case CheckKind::CharsNotEmpty: return !in.text.isEmpty() && hasOnlyAllowedChars(in.text, c.set);
    case CheckKind::Keyword: return passesKeywordRule(in.text, ReservedKeywords);
    case CheckKind::NotEqualPartner:
        return in.text.isEmpty() || in.text.compare(in.partners[std::size_t(c.partner)], Qt::CaseInsensitive) != 0;
    case CheckKind::PrefixPartner: return !isPrefixOfEachOther(in.text, in.partners[std::size_t(c.partner)]);
    }
    return true;
}

// The rewrite of a field that passed its checks.
void rewrite(RuleId rule, const RuleInput& in, RuleResult& r)
{
    switch (rule) {
    case RuleId::Phone:
        if (!in.text.isEmpty())
            r.text = normalizePhoneNumber(in.text, in.uto);
        break;
    case RuleId::SmsValidity: r.text = normalizeSmsValidity(in.text); break;
    case RuleId::AnalogPercent: r.text = normalizeAnalogPercent(in.text); break;
    case RuleId::ImpulseLength: r.text = normalizeImpulseLength(in.text); break;
    case RuleId::PowerSaveHours: {
        const PowerSavePair p = leavePowerSaveHours({in.text, in.partners[0]});
        r.text = p.hours;
        r.partner = p.minutes;
        break;
    }
    case RuleId::PowerSaveMinutes: {
        const PowerSavePair p = leavePowerSaveMinutes({in.partners[0], in.text});
        r.text = p.minutes;
        r.partner = p.hours;
        break;
    }
    default: break;
    }
}

} // namespace

RuleResult applyRule(RuleId rule, const RuleInput& input, bool& suppressFieldChecks)
{
    RuleResult r;
    r.text = input.text;
    bool hasPair = false;
    for (const Check& c : checksOf(rule)) {
        const bool pair = isPair(c);
        hasPair = hasPair || pair;
        if (pair && suppressFieldChecks)
            continue; // the partner has just shown this message
        if (checkPasses(c, input))
            continue;
        r.passed = false;
        r.message = message(c);
        if (pair)
            suppressFieldChecks = true;
        return r;
    }
    if (hasPair)
        suppressFieldChecks = false;
    rewrite(rule, input, r);
    // A number needs a digit: "+" alone (what "00" becomes) would be stored
    // as an entry without a number that keeps its rights.
    if ((rule == RuleId::Phone || rule == RuleId::ServiceCentre) && !r.text.isEmpty()
        && !std::any_of(r.text.cbegin(), r.text.cend(), [](QChar c) { return c.isDigit(); })) {
        r.passed = false;
        r.text = input.text;
        r.message = message(checksOf(rule).front());
    }
    return r;
}

QStringList ruleMessages(RuleId rule)
{
    QStringList out;
    for (const Check& c : checksOf(rule))
        out << message(c);
    return out;
}

namespace {

struct FieldRule {
    FieldId field;
    RuleId rule;
    std::optional<FieldId> partner0;
    std::optional<FieldId> partner1;
};

// The rules of the texts that are more than a station text; every other text
// field takes RuleId::Text (below), the station name none.
const FieldRule kFieldRules[] = {
    {FieldId::tabJmenoStanice, RuleId::None, {}, {}},
    {FieldId::tabINPNazev, RuleId::InputName, {}, {}},
    {FieldId::tabINPZap, RuleId::InputStateOn, FieldId::tabINPVyp, {}},
    {FieldId::tabINPVyp, RuleId::InputStateOff, FieldId::tabINPZap, {}},
    {FieldId::tabINPLH, RuleId::InputTransitionLH, {}, {}},
    {FieldId::tabINPHL, RuleId::InputTransitionHL, {}, {}},
    {FieldId::tabOUTNazev, RuleId::OutputName, {}, {}},
    {FieldId::tabOUTZap, RuleId::OutputOn, FieldId::tabOUTVyp, FieldId::tabOUTimpuls},
    {FieldId::tabOUTVyp, RuleId::OutputOff, FieldId::tabOUTZap, FieldId::tabOUTimpuls},
    {FieldId::tabOUTimpuls, RuleId::OutputImpulse, FieldId::tabOUTVyp, FieldId::tabOUTZap},
    {FieldId::tabOUTimpulsLEN, RuleId::ImpulseLength, {}, {}},
    {FieldId::tabTC, RuleId::Phone, {}, {}},
    {FieldId::tabTCcentra, RuleId::ServiceCentre, {}, {}},
    {FieldId::tabPIN, RuleId::Pin, {}, {}},
    {FieldId::tabDobaPlatnostiSMS, RuleId::SmsValidity, {}, {}},
    {FieldId::tabAINCL1Level, RuleId::AnalogPercent, {}, {}},
    {FieldId::tabAINHCL1Level, RuleId::AnalogPercent, {}, {}},
    {FieldId::tabAINCL2Level, RuleId::AnalogPercent, {}, {}},
    {FieldId::tabAINHCL2Level, RuleId::AnalogPercent, {}, {}},
    {FieldId::eePSOnH, RuleId::PowerSaveHours, FieldId::eePSOnM, {}},
    {FieldId::eePSOnM, RuleId::PowerSaveMinutes, FieldId::eePSOnH, {}},
    {FieldId::eePSOffH, RuleId::PowerSaveHours, FieldId::eePSOffM, {}},
    {FieldId::eePSOffM, RuleId::PowerSaveMinutes, FieldId::eePSOffH, {}},
};

const FieldRule* fieldRule(const FieldDef& field)
{
    for (const FieldRule& r : kFieldRules)
        if (r.field == field.id)
            return r.rule == RuleId::None ? nullptr : &r;
    // Any other text is a plain station text: a text field added to the
    // table is checked like its neighbours without a row here.
    static const FieldRule plainText{FieldId{}, RuleId::Text, {}, {}};
    return field.kind == FieldKind::Text ? &plainText : nullptr;
}

} // namespace

RuleId ruleForField(const FieldDef& field)
{
    const FieldRule* r = fieldRule(field);
    return r ? r->rule : RuleId::None;
}

FieldCheck checkFieldLeave(const FieldDef& field, int index, const DeviceConfig& config, const EditorSettings& editor,
                           bool& suppressFieldChecks)
{
    FieldCheck out;
    if (field.kind != FieldKind::Text || index < 0 || index >= field.count)
        return out;
    // Before any rule of its own: every text ends in the station's code page,
    // the station name too, and a character it lacks would arrive as '?'.
    if (const QString c = firstCharOutsideCp1250(textOf(config, field, index)); !c.isEmpty()) {
        out.passed = false;
        out.message = outsideCodePageMessage(field.place(index), c);
        out.tab = field.tabFor(index);
        return out;
    }
    const FieldRule* fr = fieldRule(field);
    if (!fr)
        return out;

    RuleInput in;
    in.text = textOf(config, field, index);
    in.uto = editor;
    const FieldDef* partner0 = fr->partner0 ? &torval::field(*fr->partner0) : nullptr;
    if (partner0)
        in.partners[0] = textOf(config, *partner0, index);
    if (fr->partner1)
        in.partners[1] = textOf(config, torval::field(*fr->partner1), index);

    // The battery input must report falling below CL1 whenever there is a
    // battery text to send, even while that text still holds a bad character.
    if (field.id == FieldId::rtBattLow && !in.text.isEmpty())
        out.tickBatteryCl1Down = true;

    const RuleResult r = applyRule(fr->rule, in, suppressFieldChecks);
    if (!r.passed) {
        out.passed = false;
        out.message = r.message;
        out.tab = field.tabFor(index);
        return out;
    }
    if (r.text != in.text)
        out.rewrites.push_back({&field, index, r.text});
    if (r.partner && partner0 && *r.partner != in.partners[0])
        out.rewrites.push_back({partner0, index, *r.partner});
    if (fr->rule == RuleId::AnalogPercent) {
        // The grid stores the levels as they are (the analog dialog refuses
        // such bands); the station would switch at odd points, so say so.
        const auto u = std::size_t(index);
        std::array<QString, 4> levels{config.tabAINCL1Level[u], config.tabAINHCL1Level[u], config.tabAINCL2Level[u],
                                      config.tabAINHCL2Level[u]};
        const FieldId ids[4] = {FieldId::tabAINCL1Level, FieldId::tabAINHCL1Level, FieldId::tabAINCL2Level,
                                FieldId::tabAINHCL2Level};
        for (std::size_t k = 0; k < 4; ++k)
            if (ids[k] == field.id)
                levels[k] = r.text;
        if (!analogLevelsValid(levels[0], levels[1], levels[2], levels[3], config.analogScale[u]))
            out.warning = kAnalogLevelsMessage;
    }
    if (fr->rule == RuleId::Phone && in.text.isEmpty())
        out.phoneRights = checkPhoneNumberRights(in.text, config.tabTCPrijem[std::size_t(index)],
                                                 config.tabTCUdalost[std::size_t(index)], suppressFieldChecks);
    return out;
}

QString outsideCodePageMessage(const QString& place, const QString& character)
{
    return rulesText(QT_TRANSLATE_NOOP("FieldRules",
                                       "Pole '%1' nesmí obsahovat znak '%2': stanice ho neumí uložit "
                                       "(není ve znakové sadě Windows-1250)."))
        .arg(place, character);
}

FieldCheck checkUtoLeave(const QString& text)
{
    FieldCheck out;
    bool noPairs = false;
    const RuleResult r = applyRule(RuleId::Uto, {text, {}, {}}, noPairs);
    if (!r.passed) {
        out.passed = false;
        out.message = r.message;
        out.tab = kPhoneTab;
    }
    return out;
}

} // namespace torval

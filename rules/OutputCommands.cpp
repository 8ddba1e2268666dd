#include "rules/OutputCommands.h"

#include "rules/KeywordRule.h"

#include <QCoreApplication>

namespace torval {

namespace {

QString nameMessage(const QString& label)
{
    return QCoreApplication::translate(
               "OutputCommands",
               "Název výstupu '%1' není správně zadán. Jména výstupů se nesmějí shodovat a ani být předponou jiného "
               "názvu výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno.")
        .arg(label);
}

QString onMessage(const QString& label)
{
    return QCoreApplication::translate(
               "OutputCommands",
               "Název 'Zapnuto' výstupu '%1' není správně zadán. Povel pro zapnutí se musí lišit od povelu pro vypnutí "
               "i impuls a "
               "nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto "
               "nebude odstraněno.")
        .arg(label);
}

QString offMessage(const QString& label)
{
    return QCoreApplication::translate(
               "OutputCommands",
               "Název 'Vypnuto' výstupu '%1' není správně zadán. Povel pro vypnutí se musí lišit od povelu pro impuls "
               "i zapnutí a "
               "nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto "
               "nebude odstraněno.")
        .arg(label);
}

QString impulseMessage(const QString& label)
{
    return QCoreApplication::translate(
               "OutputCommands",
               "Název 'impuls' výstupu '%1' není správně zadán. Povel pro impuls se musí lišit od povelu pro vypnutí i "
               "zapnutí a "
               "nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto "
               "nebude odstraněno.")
        .arg(label);
}

} // namespace

std::optional<OutputCommandFailure> checkOutputCommands(const DeviceConfig& c)
{
    const FieldDef* nameField = &field(FieldId::tabOUTNazev);
    const FieldDef* onField = &field(FieldId::tabOUTZap);
    const FieldDef* offField = &field(FieldId::tabOUTVyp);
    const FieldDef* impulseField = &field(FieldId::tabOUTimpuls);

    QStringList allNames;
    for (int j = 0; j < kOutputCount; ++j)
        allNames << c.tabOUTNazev[std::size_t(j)];

    for (int i = 0; i < kOutputCount; ++i) {
        const auto ui = std::size_t(i);
        const QString label = outputLabel(i);

        // 1. A name may not collide with any command word of any output, nor
        //    with the other outputs' names.
        QStringList words;
        for (int j = 0; j < kOutputCount; ++j) {
            const auto uj = std::size_t(j);
            words << c.tabOUTZap[uj] << c.tabOUTVyp[uj] << c.tabOUTimpuls[uj];
            if (j != i)
                words << c.tabOUTNazev[uj];
        }
        if (!passesKeywordRule(c.tabOUTNazev[ui], keywordList(words)))
            return OutputCommandFailure{i, nameField, nameMessage(label)};

        // 2..4. A command word is tested against its own output's other words
        //       and against every output name (its own included). The same
        //       word on two different outputs is fine: the name tells them apart.
        if (!passesKeywordRule(c.tabOUTZap[ui],
                               keywordList(QStringList{c.tabOUTVyp[ui], c.tabOUTimpuls[ui]} + allNames)))
            return OutputCommandFailure{i, onField, onMessage(label)};
        if (!passesKeywordRule(c.tabOUTVyp[ui],
                               keywordList(QStringList{c.tabOUTZap[ui], c.tabOUTimpuls[ui]} + allNames)))
            return OutputCommandFailure{i, offField, offMessage(label)};
        if (!passesKeywordRule(c.tabOUTimpuls[ui],
                               keywordList(QStringList{c.tabOUTVyp[ui], c.tabOUTZap[ui]} + allNames)))
            return OutputCommandFailure{i, impulseField, impulseMessage(label)};
    }
    return std::nullopt;
}

} // namespace torval

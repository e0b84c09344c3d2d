// The window's texts for a known project: a cold store in Абакан with a few rows changed, as the
// window shows them (numbers with their two display blanks, list texts padded with blanks).
#pragma once

#include "recording_canvas.h"

namespace zeltar::report::testing {

inline FakeSource KnownProject()
{
    FakeSource source;
    source.selectedRoomType = 0;
    source.texts = {
        {"ComboBox13", "Абакан                        "},
        {"Edit19", "  53"}, {"Edit20", "  26,2"}, {"Edit21", "  51"},
        {"Edit22", "  12"}, {"Edit23", "  6"}, {"Edit24", "  4,5"}, {"Edit115", "  72"}, {"Edit25", "  324"},
        {"ComboBox20", "хранение мороженых грузов     "},
        {"Edit43", "  -20"}, {"Edit54", "  95"}, {"Label46", "Время работы оборуд., ч/сут"},
        {"Edit55", "  18"}, {"Edit56", "  10"},
        // Enclosure rows А, Б, В, Г, ceiling, floor; wall В faces an inner room.
        {"Edit49", " нар"}, {"Edit50", " нар"}, {"Edit51", "  вн"}, {"Edit52", " нар"}, {"Edit53", " нар"},
        {"ComboBox1", "железобетон                   "}, {"ComboBox2", "железобетон                   "},
        {"ComboBox3", "кирпич силикатный сплошной    "}, {"ComboBox4", "железобетон                   "},
        {"ComboBox9", "железобетон                   "}, {"ComboBox11", "железобетон"},
        {"Edit1", "  200"}, {"Edit2", "  200"}, {"Edit3", "  250"}, {"Edit4", "  200"}, {"Edit13", "  220"},
        {"Edit16", "  300"},
        {"ComboBox5", "пенополиуретан                "}, {"ComboBox6", "пенополиуретан                "},
        {"ComboBox7", "пенополиуретан                "}, {"ComboBox8", "пенополиуретан                "},
        {"ComboBox10", "пенополиуретан                "}, {"ComboBox12", "пенополиуретан"},
        {"Edit5", "  150"}, {"Edit6", "  150"}, {"Edit7", "  100"}, {"Edit8", "  150"}, {"Edit14", "  200"},
        {"Edit17", "  150"},
        {"Edit9", "  26,2"}, {"Edit10", "  26,2"}, {"Edit11", "  5"}, {"Edit12", "  26,2"}, {"Edit15", "  26,2"},
        {"Edit18", "  -2"},
        {"Edit36", "  0,42"}, {"Edit37", "  0,21"}, {"Edit38", "  0,11"}, {"Edit39", "  0,21"}, {"Edit40", "  0,65"},
        {"Edit41", "  0,39"}, {"Edit42", "  1,99"},
        // Solar rows.
        {"Edit26", "     Ю"}, {"Edit27", "     В"}, {"Edit28", "     С"}, {"Edit29", "     З"},
        {"Edit44", "   да"}, {"Edit45", "   да"}, {"Edit46", "  нет"}, {"Edit47", "   да"}, {"Edit48", "   да"},
        {"ComboBox14", "без покрытия (окраски)        "}, {"ComboBox15", "без покрытия (окраски)        "},
        {"ComboBox16", "без покрытия (окраски)        "}, {"ComboBox17", "без покрытия (окраски)        "},
        {"ComboBox18", "без покрытия (окраски)        "},
        {"Edit62", "  5,7"}, {"Edit63", "  8,4"}, {"Edit64", "  0"}, {"Edit65", "  8,4"}, {"Edit66", "  17,7"},
        {"Edit67", "  0,02"}, {"Edit68", "  0,03"}, {"Edit69", "  0"}, {"Edit70", "  0,02"}, {"Edit71", "  0,08"},
        {"Edit72", "  0,15"},
        {"Edit30", "  2"}, {"Edit73", "  0,59"},
        // Goods.
        {"Edit82", "  -10"}, {"Edit83", "  -20"}, {"Edit77", "  88,2"}, {"Edit78", "  70,56"}, {"Edit76", "  0"},
        {"ComboBox21", "говядина тощая                "}, {"ComboBox22", "без тары                      "},
        {"Edit79", "  10"}, {"Edit124", "  7,05"},
        {"Edit86", "  0,6"}, {"Edit87", "  0"}, {"Edit89", "  0,6"}, {"Edit90", "  0"},
        // Operational gains.
        {"ComboBox24", "ручная                        "}, {"ComboBox23", "отсутствует"},
        {"Edit91", "  2"}, {"Edit92", "  1,8"}, {"Edit98", "  0,37"},
        {"Edit95", "  5"}, {"Edit96", "  8"}, {"Edit100", "  0,12"},
        {"Edit97", "  2"}, {"Edit99", "  0,09"},
        {"Edit101", "  0"}, {"Edit102", "  0"}, {"Edit104", "  0"}, {"Edit105", "  0,38"},
        {"Edit107", "Электропотребитель № 1"}, {"Edit108", "  1,5"}, {"Edit109", "  4"},
        {"Edit110", "Электропотребитель № 2"}, {"Edit111", "  0"}, {"Edit112", "  0"}, {"Edit113", "  0,25"},
        {"Edit117", "  1,21"}, {"Edit106", "  4,54"}, {"Edit116", "  6,66"},
        // Header.
        {"Edit125", "  Хладокомбинат"}, {"Edit127", "Склад №3"}, {"Edit126", "Иванов"}, {"Edit128", "01.02.2027"},
        {"Edit129", "Абакан-склад"},
    };
    return source;
}

} // namespace zeltar::report::testing

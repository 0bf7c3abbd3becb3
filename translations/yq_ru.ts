<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Без масштаба: у проекта ещё нет размеров</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Масштаб 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Масштаб %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Сборочный лист антенны YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Рассчитана на %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Все линейные размеры в mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Все линейные размеры в дюймах</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Проект: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Верхний цилиндр %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Зазор цилиндров %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Нижний цилиндр %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Зазор до катушки %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Катушка настройки %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Катушка связи %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Общая длина %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>без катушки связи</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Цилиндр, диам. %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Фазирующая катушка, диам. %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 витк., LPW %2 %3 провода</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(катушка и выводы; длина намотки свободная)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Катушка настройки, диам. %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 витк. с шагом SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Катушка связи, диам. %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 витк., у точки питания</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>длина цилиндра</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>зазор цилиндров</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>зазор до катушки настройки</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>длина катушки настройки</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>длина катушки связи</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>диаметр цилиндра</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>диаметр фазирующей катушки</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>диаметр катушки настройки</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>диаметр катушки связи</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>У проекта ещё нет размеров: рассчитайте его перед сборкой.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Не в масштабе, нарисовано крупнее для наглядности: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Пунктир: провода катушки настройки внутри нижнего цилиндра. Провод от верха катушки настройки идёт вверх по центру нижнего цилиндра, провод от её низа — вверх вдоль внутренней стенки.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Не задаётся проектом: длина намотки фазирующей катушки (она размещается в зазоре цилиндров) и место катушки связи у точки питания; LPW — весь фазирующий провод. Витки изображены штрихами, не чаще одного на 0.02 in катушки: число витков указано в подписях.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Заготовки</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Цилиндры</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Немагнитная труба, наружный диаметр %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>по %1</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Провод катушки настройки</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Провод %1, NT %2 витк. с шагом SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>на каркасе %1, длина намотки %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Фазирующий провод</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Провод %1, катушка PCNT %2 витк.</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>на каркасе %1, в зазоре цилиндров</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Провод катушки связи</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Провод %1, SCT %2 витк. виток к витку</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Всего провода</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Деталь</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Кол.</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Материал и размер</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Ближайшие калибры провода</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (все катушки)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (кат. связи)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Провод</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Диаметр</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>Ближ. AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>Ближ. SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Нет диаметра провода</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Печать сборочного листа из очереди</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>рассчитать проект: начать с нового проекта (все поля 0) или с --file, записать каждое KEY=VALUE (точный десятичный текст, округление половины от нуля до разрядов поля), выполнить расчёт и вывести все ключи</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>один вариант на строку стандартного ввода, одна строка вывода (или &quot;error&quot;) на вариант</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>СОХРАНИТЬ в текущей папке: записать файл проекта с именем по F, CD и LD, добавить его строку в YQ.csv, вывести путь к файлу проекта</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>вывести записи пользователей текущей папки (первая печатается в отчётах и записывается в YQ.csv), добавить или удалить запись</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>отчёт о расчёте по файлу проекта: в PDF или экспорт, как в команде отправки почты (Report.RTF, его HTML-страница и черновик письма в VH/ текущей папки; их пути выводятся)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>сборочный лист файла проекта (чертёж с размерами и список заготовок), рассчитанный так же, как окно расчёта его системы единиц, в одном или нескольких форматах PDF, SVG и PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>подогнать коэффициент ёмкости FAC под витки катушки настройки NT или сдвиг фазы DPS под витки катушки связи SCT готовой антенны (код возврата 3, если ни одно значение не попадает в пределы полувитка; выводится ближайшее)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>прочитать развёртку готовой антенны, снятую анализатором (Touchstone .s1p, .s2p, .ts или CSV программы VNA), найти её последовательный резонанс, минимальный КСВ и полосу по КСВ 2:1, и дать число витков катушки настройки для расчётной частоты с подходящим коэффициентом ёмкости (код возврата 2 для неверного или повреждённого файла, 3, если в нём нет пригодной развёртки)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>рассчитать проект для каждого значения одного параметра в диапазоне, по строке CSV на значение</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>перевести файл проекта между дюймами и миллиметрами и сохранить под именем другой системы единиц в текущей папке</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>смоделировать проект в NEC-2 (запускает nec2c) и вывести данные калькулятора рядом с данными модели: последовательный резонанс, катушка, нужная модели на F, импеданс, Q, полосы, КСВ, КПД и усиление; csv и s1p выводят развёртку (Touchstone S11 относительно 50 ohm); код возврата 1, если nec2c отсутствует или завершается с ошибкой</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Рассчитывает антенны YQ тем же расчётом, что и окна расчёта, но без окон: один проект из командной строки, много — из стандартного ввода, а также СОХРАНИТЬ, список пользователей, отчёт, сборочный лист и инструменты окон.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>проект в миллиметрах (метрическое окно расчёта)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>начать с файла проекта, прочитанного так же, как его читает окно расчёта (предупреждение, если его система единиц другая)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>выполнить полный расчёт N раз (по умолчанию 1; 0 — только записать значения)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>выполнить вместо полного расчёта только указанный частичный пересчёт поля окна: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>формат вывода проекта: line (по умолчанию: все ключи как KEY=value в одной строке), table (по величине на строку с подписью окна, значением в формате окна и единицей, в порядке окна), json (объект со всеми ключами и их точным десятичным текстом в виде строки) или csv (строка заголовков и строка таблицы результатов YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>язык справки и сообщений: en, de, ja, ru, it, es, pl, pt_BR, fr, cs или nl (по умолчанию — язык рабочего стола из LANGUAGE, LC_ALL, LC_MESSAGES или LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Параметры отчёта</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>записать отчёт в файл PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>записать Report.RTF, HTML-страницу и черновик письма в VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>дата печати в отчёте (по умолчанию сегодня)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Параметры моделирования</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>модель NEC-2: standard (толстые провода для цилиндров, сосредоточенные катушки)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>подробная модель (проволочные сетчатые каркасы, спиральные катушки, выводы; несколько секунд, ход выполнения в стандартный поток ошибок терминала, Ctrl+C прерывает): только резонанс, сопротивление излучения, усиление и КПД</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (по умолчанию), json, csv (развёртка) или s1p (развёртка в формате Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>также записать файл NEC модели, который открывают программы NEC-2</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Параметры сборочного листа</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>записать сборочный лист в файл PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>записать его как чертёж SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>записать его как изображение PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Код возврата:
  0   успешно
  1   не удалось прочитать или записать файл; в --batch не удалось рассчитать
      строку (выводится &quot;error&quot;, остальные строки рассчитываются)
  2   неверный ввод (неизвестный ключ или параметр, значение — не десятичное число);
      сообщение в стандартном потоке ошибок называет его</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet требует --pdf, --svg или --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>файл проекта не найден: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>файл проекта %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>для сборочного листа нужен объект GUI-приложения</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>использование: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>недопустимое число запусков &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (символов: %2)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>значение %1 — не десятичное число: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>значение %1 слишком велико для любого поля (более %2 цифр до точки): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>ожидалось KEY=VALUE, получено &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>неизвестный ключ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>параметру &apos;%1&apos; нужно значение</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>параметру &apos;--file&apos; нужен путь</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>неизвестный частичный пересчёт &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; — папка, а не файл проекта</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>файл проекта &apos;%1&apos; не найден</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; не принимает других аргументов</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>предупреждение: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>значение %1 не помещается в поле: %2 (%1 вмещает от -%3 до %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>значение %1 в файле проекта не помещается в поле и обрезано до допустимого полем</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>значения %1 в файле проекта не помещаются в поля и обрезаны до допустимого полями</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; не принимает &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>не удалось записать файл проекта %1: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>не удалось записать строку результатов: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>нет записи пользователя &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>параметру &apos;--format&apos; нужно значение</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>неизвестный формат &apos;%1&apos; (line, table, json или csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 требует файл проекта</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>недопустимая дата &apos;%1&apos; (ожидается YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report требует --pdf OUT.pdf или --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>для отчёта нужен объект GUI-приложения</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; требует standard или detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; требует table, json, csv или s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; требует имя файла</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; принимает один файл проекта, получен также &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; требует файл проекта</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>неизвестная модель &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>неизвестный формат &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>подробная модель: выполнено %1 %</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; не принимает &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; не принимает &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; требует NT=&lt;turns&gt; или SCT=&lt;turns&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; принимает одну цель, получена также &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>число витков &apos;%1&apos; в &apos;%2&apos; — не десятичное число</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>число витков &apos;%1&apos; в &apos;%2&apos; не больше 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; — это то, что находит подгонка; не указывайте его</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>ни одно значение %1 от %2 до %3 не даёт %4 в пределах полувитка от %5; ближайшее, %1=%6, даёт %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; требует KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; меняет один параметр, получен также &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>параметр &apos;--to&apos; требует &apos;metric&apos; или &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: ожидается &apos;metric&apos; или &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; принимает один файл проекта, получен также &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; требует файл проекта</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; требует &apos;--to metric&apos; или &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>файл проекта &apos;%1&apos; объявляет систему единиц %2, не дюймовую (0) и не метрическую (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>файл проекта &apos;%1&apos; уже метрический</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>файл проекта &apos;%1&apos; уже дюймовый</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; требует table или json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; требует число намотанных витков</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; требует число витков больше 0, получено &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; требует файл проекта и измерение</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>В измерении %1 нет пригодной развёртки: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>командам страниц нужен %1, который не установлен (искали %2 и %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Введите центральную частоту в мегагерцах. 
Не более 3 знаков после точки.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Введите наружный диаметр цилиндра в дюймах</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>По отношению L/D и диаметру рассчитываются
первичная ёмкость в pF,
реактивное сопротивление в Ω, полоса по уровню 3 dB
и &apos;Q&apos; антенны.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>Измеренная полоса в kHz — это ширина по КСВ 2:1
по обе стороны от минимума КСВ.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Возможность рассчитать индуктивность катушки связи
по величине сдвига фазы. Начальное значение
6 градусов, как у фазирующей катушки. Когда 
антенна заработает, введите значение, чтобы
получить итоговое число витков 
катушки связи.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Обычно того же диаметра, что и катушка настройки. 
Но можно изменить по своему усмотрению.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>У катушек, намотанных виток к витку, шаг обычно
равен диаметру провода.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Коэффициент: отношение длины цилиндра к длине катушки
делится на 2, затем применяется заданный коэффициент.
Нажмите кнопку ReCalc, чтобы применить.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Для правильного расчёта размеров нужно щёлкнуть 
по этому полю, чтобы заново получить индуктивность и 
пересчитать размер катушки.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Просто следуйте подсказкам. У каждого поля ввода есть всплывающее пояснение. Введя диаметр провода и шаг, нажмите кнопку ReCalc. Программа выполнит цикл из нескольких расчётов и получит итоговые индуктивность и размер катушки. Если после изготовления и проверки антенны окажется, что рассчитанное число витков отличается от того, при котором вы получили максимальную отдачу и наименьший КСВ, меняйте поле коэффициента, пока не получите число витков вашей готовой антенны. Начальное значение коэффициента 2. Используйте дробные значения, чтобы подойти как можно ближе к числу витков. Пришлите мне эти данные по почте из главной формы (внизу слева). Эти сведения нужны, чтобы точнее определить коэффициент, необходимый для точного окончательного выпуска программы. Это ситуация курицы и яйца. Сначала мы не знаем индуктивность, нужную для резонанса, поэтому подставляем прикидку. Затем уточняем её, задавая коэффициент. Это даёт правильные индуктивность, длину катушки и число витков. Поэтому нам нужна ваша помощь, чтобы завершить проект.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Калькулятор антенн YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Недопустимое число. Допустимы значения|от 1 до 99. Введите заново</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Вы печатаете метрическую|антенну. Размеры будут в mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>Не удалось записать %1</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Не указано имя файла.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>Не удалось прочитать %1</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>путь длиннее %1 символов</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>не удалось открыть файл результатов %1</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>не удалось заблокировать файл результатов %1</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>файл результатов %1 занят другой программой</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>не удалось прочитать файл результатов %1</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (файл может заканчиваться неполной строкой)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>не удалось записать строку результатов в %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>строка результатов добавлена в %1, но не сброшена на диск: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Не удалось записать файл проекта %1.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Проект сохранён, но строку результатов записать не удалось:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>он заблокирован другой программой</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать файл пользователей %1: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>в нём нет записей пользователей (это не файл пользователей)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>он повреждён (обрыв внутри страницы)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Имя и позывной не могут содержать управляющие символы (переводы строк, табуляции).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Имя и позывной могут содержать не более %1 символов.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Не удалось добавить запись: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Не удалось изменить запись (возможно, она удалена).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Не удалось удалить запись: файл пользователей не существует.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Не удалось удалить запись (возможно, её уже нет).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Развёртка</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Последовательные резонансы</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Последовательный резонанс</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Настроено по</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Импеданс там</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>Мин. КСВ (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>Полоса по КСВ 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Расчётная частота</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Последоват. индуктивность в точке питания</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Эффективная ёмкость</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Индуктивность для расчётной частоты</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Катушка настройки</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Длина катушки</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Длина провода</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Коэффициент ёмкости</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Настройка</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  или:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Пример: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Лицензия GPL-2.0-or-later: GNU GPL версии 2 или более поздней &lt;https://gnu.org/licenses/gpl.html&gt;.
Это свободное ПО: вы можете изменять и распространять его.
НИКАКИХ ГАРАНТИЙ в пределах, допускаемых законом.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Добро пожаловать в удивительный мир антенн YQ. Наконец-то мы добились того, что многие называли невозможным, — создали новую концепцию антенны. 120 лет резонансная проволочная антенна Герца считалась единственным способом построить антенну. Мы с этим не согласились, и результатом стала концепция антенны YQ. Она даёт преимущества по всем параметрам антенны: малые размеры, высокий КПД, широкая полоса и очень низкий уровень помех (EMI). В ходе разработки мы пришли к новому, связанному с ней открытию в физике, а оно, в свою очередь, привело нас к ещё одной концепции антенны, которую мы надеемся скоро вам представить.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Здесь собраны сведения, которые позволят вам рассчитать антенны для разных любительских диапазонов. Надеемся, что эти сведения и построенные вами антенны доставят вам удовольствие. В эфире их уже бесчисленное множество, и каждый день добавляются новые.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet — радиолюбитель со школьных лет, когда он собрал свой первый детекторный приёмник из деталей старого телефона. Он получил образование инженера-электрика и много лет проектировал передатчики для радиовещания и морской радиосвязи. Заинтересовавшись, почему малые антенны всегда считаются плохими излучателями, он начал опыты с короткими цилиндрами и катушками в своей мастерской, и из этой работы родилась антенна YQ. Сегодня он руководит ZO Duravar Uravaro — небольшой компанией инженеров и радиолюбителей, разрабатывающих применения антенны YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Эти фотографии показывают, чего достигают с антеннами YQ по всему миру. Пусть фотографии говорят сами за себя. Если вы хотите, чтобы здесь была ваша антенна, пришлите хорошую чёткую фотографию по адресу %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Программа написана нашим программистом по формулам, предоставленным Brannoc Quillet. Работа над ней продолжается: нам нужны отзывы таких пользователей, как вы, которые успешно построили антенну YQ и работают на ней. Нам нужно знать параметры, </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>с которыми вы получили работающую антенну. Заполните и пришлите нам данные по почте для анализа.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Введите частоту в мегагерцах</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Сопротивление излучения</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Сопр. излучения по измеренной полосе</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Диаметр цилиндра :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Диаметр цилиндра в mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Желаемое отношение длина/диаметр</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Расчётная ёмкость цилиндра, pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Реактивное сопр. (Xc), Ω</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Полоса +/- 3 dB, kHz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>&apos;Q&apos; = :</source>
        <translation>&apos;Q&apos; = :</translation>
    </message>
    <message>
        <source>Total Length of Antenna :</source>
        <translation>Общая длина антенны :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Общая длина антенны в mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Измеренная полоса, kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Отклонение от измер. RR</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Диаметр провода :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Диаметр провода в mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Шаг намотки :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Шаг намотки в mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Расчётных витков на дюйм</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Расчётных витков на mm</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Ёмкость цилиндр–провод, pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Оценка ёмкости катушки, pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Индуктивность катушки, uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Требуемое число витков</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>витк.</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Длина катушки :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Длина катушки в mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Длина провода в дюймах</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Длина провода в mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Длина цилиндра :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Длина цилиндра в mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Диаметр катушки :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Диаметр катушки в mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Длина в % от длины волны:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Длина фазирующего провода :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Длина фазирующего провода</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Диаметр фазирующей катушки:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Витки фаз. катушки</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Коэффициент ёмкости</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>КПД антенны</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Потери, dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Витков катушки связи</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Длина катушки связи :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Длина катушки связи в mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Индуктивность кат. связи, uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Диаметр катушки связи:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Длина провода кат. связи :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Длина провода катушки связи</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Диам. провода кат. связи</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Диам. провода кат. связи в mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Реакт. сопр. кат. связи при 40 Ω</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Сдвиг фазы, градусы:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусов</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>неизвестный язык &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>выберите один из: %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>для --lang нужен код языка</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Операционной системе не хватает памяти/ресурсов. Файл:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Произошла неизвестная ошибка ShellExecute. Файл:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Указанный файл не найден. Файл:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Указанный путь не найден. Файл:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Операционная система запретила доступ к указанному файлу. Файл:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Недостаточно памяти для выполнения операции. Файл:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Файл .exe недопустим (не Win32® .exe или ошибка в образе .exe). Файл:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Произошло нарушение совместного доступа. Файл:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>Сопоставление имени файла неполное или неверное. Файл:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Транзакцию DDE не удалось завершить: истекло время ожидания запроса. Файл:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>Ошибка транзакции DDE. Файл:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Транзакцию DDE не удалось завершить, так как обрабатывались другие транзакции DDE. Файл:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>С этим расширением имени файла не сопоставлено ни одно приложение. Файл:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>Указанная библиотека DLL не найдена. Файл:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Файл:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Файл результатов не найден.|Каждое нажатие СОХРАНИТЬ добавляет в него строку: сначала сохраните проект.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Не настроена программа электронных таблиц для файлов CSV.|Установите её или выберите программу для файлов CSV в настройках рабочего стола.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Программу, настроенную для файлов CSV, не удаётся запустить:|её ярлык (desktop entry) отсутствует или неверен.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Ошибка Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>почтовая программа</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>На этом рабочем столе не зарегистрирована почтовая программа.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Зарегистрированная почтовая программа (%1) не найдена.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 не принимает HTML-текст письма.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Почтовая программа, возможно, не приняла вложения письма и не может принять его HTML-текст.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Почтовая программа, возможно, не приняла вложения письма.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Почтовая программа не может принять HTML-текст письма.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Не удалось запустить почтовую программу: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Не удалось запустить почтовую программу: xdg-email не установлен.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Логотип антенны YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Антенна YQ Star: общий вид с названиями частей</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Элементы антенны YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Баннер калькулятора антенн YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Антенна YQ на садовой мачте</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Антенна YQ на автодоме</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Иллюстрированный портрет: радиолюбитель за рабочим столом</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Антенна YQ на крыше дома на закате</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Переносная антенна YQ на треноге у моря</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Намотка катушки настройки на верстаке</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Настройка антенны YQ антенным анализатором</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Антенна YQ на балконе квартиры</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Антенна YQ на вершине горы</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Детали антенны YQ, разложенные на верстаке</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Антенна YQ зимней ночью</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Значок программы YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Значок «О программе»: радиооператор</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Указатель-рука для ссылок</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Калькулятор антенн YQ: расчёт антенны YQ в дюймах или миллиметрах, сохранение проектов и таблицы результатов YQ.csv в рабочей папке, печать отчёта о расчёте и отправка результатов по почте.

Программа открывает главное окно; окна расчёта открываются из его меню. Файлы хранятся в рабочей папке (папке последнего открытого файла проекта).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>язык окон для этого запуска: en, de, ja, ru, it, es, pl, pt_BR, fr, cs или nl (по умолчанию — язык рабочего стола из LANGUAGE, LC_ALL, LC_MESSAGES или LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>трассировка службы гиперссылок окон расчёта в стандартный поток ошибок: каждая строка начинается с &quot;RazedUveziz: &quot; (регистрации, события, запущенные команды, не найден браузер или почтовая программа)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>трассировка каждого неудачного поиска браузера или почтовой программы рабочего стола (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>трассировка попыток проверки обработчика для каждой ссылки (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>модуль отображения Qt (xcb, wayland, offscreen); прочие параметры Qt тоже принимаются</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Ключи трассировки можно задавать вместе и в любом регистре (/hadebug). Трассировка
выводится в стандартный поток ошибок, а не на экран.

Код возврата:
  0   главное окно закрыто (Выход)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>для %1 ничего не нарисовано</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>не удаётся нарисовать %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>в нём нет изображения (%1 байт)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>он обрезан (%1 из %2 байт)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Не удалось прочитать изображение страницы %1</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>В отчёте нет страниц.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Нет доступной почтовой программы.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, мои результаты YQ во вложении</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Мои итоговые результаты YQ</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|В отчёте указываются проектировщики из файла пользователей, поэтому он не печатается.|Файл пользователей оставлен без изменений.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Не удалось записать документ отчёта.|%1|Письмо откроется без отчёта.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Не удалось подготовить письмо с отчётом.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Эти файлы не удалось приложить к письму:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Не удалось сохранить копию письма как|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Письмо сохранено как|%2|Откройте его в почтовой программе, чтобы отправить.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Не удалось сохранить письмо как|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Полное письмо сохранено как|%2|Откройте его в почтовой программе, чтобы отправить всё целиком.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Отправка почты</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Антенна YQ *Star*, рассчитанная на</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Все линейные размеры в</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Цилиндры</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Катушка настройки</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Фазирующая катушка</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Катушка связи</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Диаметр цилиндра</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Отношение длины к диаметру</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Длина цилиндра</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Зазор цилиндров</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Ёмкость цилиндра, pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Реактивное сопр. (XC), Ω</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Сопр. излучения, Ω</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Полоса +/- 3 dB, kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>&apos;Q&apos; антенны</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Длина антенны с катушками</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Диаметр провода всех катушек</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Шаг намотки катушек</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Диаметр катушки настройки</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>L катушки настройки, uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Число витков</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Длина катушки</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Длина провода катушки</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Коэффициент ёмкости</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Диам. фазирующей катушки</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Длина провода</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Диаметр катушки связи</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Витков катушки связи</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Длина провода катушки связи</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Для снижения потерь цилиндры следует делать из цветных (немагнитных) металлов.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>Зазор между цилиндрами критичен для успеха.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>Зазор между нижним цилиндром и верхом катушки настройки должен быть равен диаметру цилиндра.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Провод от низа катушки настройки должен идти вверх вдоль внутренней стенки нижнего цилиндра.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Провод от верха катушки настройки должен идти вверх по центру нижнего цилиндра.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Каркасы катушек (трубу) следует проверить в микроволновой печи на нагрев ВЧ-полем.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Если материал нагревается в СВЧ-печи, не используйте его: он поглощает энергию ВЧ.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Готовую антенну целиком следует загерметизировать от влаги.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Настраивайте антенну на максимум излучения и минимум КСВ по указаниям книги Brannoc.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Дата печати:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Рассчитал:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Печать из очереди</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюймы</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>SimulationStudy</name>
    <message>
        <source>The deck&apos;s line %1 cannot be read</source>
        <translation>Строку %1 файла NEC не удаётся прочитать</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; — не число в карте %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>карте %1 нужно чисел: %2</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Строку %1 файла NEC не удаётся проверить</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>карта GM, выполняющая копирование или поворот, здесь не читается</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>В файле NEC не задана частота (нет карты FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>У провода %1 нет длины или сегментов; nec2c может работать на нём бесконечно.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Сегменты провода %1 имеют длину %2 длины волны на %3 MHz, низшей частоте; NEC-2 требует не менее 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Сегменты провода %1 имеют длину %2 длины волны на %3 MHz, высшей частоте; NEC-2 требует не более 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Длина сегментов провода %1 равна %2 их радиусам; NEC-2 требует не менее %3 с расширенным ядром тонкого провода.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Длина сегментов провода %1 равна %2 их радиусам; NEC-2 требует не менее %3 без EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Провода %1 и %2 перекрываются на одних и тех же %3 m; nec2c даёт для них бессмысленный импеданс.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Провода %1 и %2 соединяются с отношением радиусов %3; расширенное ядро тонкого провода недостоверно там, где меняется радиус.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Провода %1 и %2 соединяются с отношением радиусов %3; NEC-2 требует не более 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>В файле NEC нет источника питания (нет карты EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>Питание на сегменте %1 провода %2, которого не существует.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Подробная модель NEC-2: свободное пространство, без фидера, цилиндры — алюминиевые проволочные сетчатые каркасы, катушки настройки и фазирующая — медные спирали с выводами, как на сборочном листе, катушка связи — сосредоточенная, в точке питания.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Стандартная модель NEC-2: свободное пространство, без фидера, цилиндры — толстые алюминиевые провода, три катушки — одно сосредоточенное последовательное R + L в точке питания по значениям калькулятора.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>не удаётся запустить nec2c</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>не удаётся создать папку для nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>не удаётся записать файл NEC для nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c остановился, не завершив работу</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>он аварийно завершился</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>он завершился с кодом %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>ошибка nec2c</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c ничего не вывел</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>нет deck.out</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>Для моделирования нужен nec2c, но он не установлен: установите его командой &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>Для моделирования нужен nec2c, но его нет по пути %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c остановлен</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>он работал дольше предела %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>Моделирование отменено.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>не удаётся прочитать вывод nec2c</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>в нём больше частот, чем в файле NEC (%1)</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>у входных параметров частоты %1 нет строки чисел</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>импеданс на частоте %1 — не число</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>у диаграммы направленности нет заголовков</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>в нём %1 из %2 частот файла NEC</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>Согласованная полоса по -3 dB шире точной развёртки.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>Полоса по -3 dB на 50 ohm шире точной развёртки.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>С расчётной катушкой у модели нет последовательного резонанса между 0.4 F и 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c не дал баланса мощности или среднего усиления на резонансе.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>Катушка для F в этой модели не рассчитывается.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>У проекта нет частоты</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F равно 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>У проекта нет цилиндров</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD или LD равно 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Подробной модели нужна катушка настройки</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP или CCD равно 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Никакая катушка настройки не даёт резонанса модели на F: там нужна последовательная ёмкость.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>С пересчитанной катушкой X не переходит через 0 вверх в пределах 1 % от F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Её сегменты укорачиваются до %1 длины волны на F (NEC-2 требует не менее 0.001), а каркасы и выводы нарушают правила NEC-2, поэтому R и X в точке питания, а также Q, полосы и КСВ по ним недостоверны: модель даёт резонанс, сопротивление излучения, усиление и КПД только по дальнему полю.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Последовательный резонанс</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Индуктивность кат. настройки</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Витки кат. настройки</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>Посл. L в точке питания</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Импеданс питания на F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R при резонансе (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Сопротивление излучения</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>Полоса по -3 dB, согл.</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>Полоса КСВ 2:1, согл.</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>Полоса по -3 dB на 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>Полоса КСВ 2:1 на 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>Мин. КСВ на 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>КПД</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Потери</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Макс. усиление</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Не соблюдено правило: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Примечание: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>запусков nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>калькулятор</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, расчётная катушка</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, катушка для F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>недостоверно</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>не рассчитано</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>Не удаётся прочитать измерение %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>управляющий символ (байт %1) там, где допустим только текст: это не текстовый файл</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>текст после [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>вторая строка параметров</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 там, где ожидается ключевое слово в скобках</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>в [Reference] слишком мало значений</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>файл кончается посреди точки: есть %1 из %2 её значений</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>файл Touchstone 2.0 без [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] указывает %1, а в файле %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>нет строки параметров: принято GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>шумовые параметры со строки %1 пропущены</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>ключевое слово без закрывающей &quot;]&quot;</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] должна быть первой строкой, не являющейся комментарием</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 — не версия, которую читает эта программа (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>ключевое слово [%1] в файле без [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 — не число портов</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 — ни 12_21, ни 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 — не количество</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] раньше [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 — не Full, Lower или Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] раньше [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] раньше строки параметров</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>двухпортовый файл без [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>данные цепи кончаются посреди точки</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] — не ключевое слово Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>опорное сопротивление %1 — не число</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>опорный импеданс %1 ohm не больше 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>в [Reference] больше значений, чем портов</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>строка параметров дважды задаёт единицу частоты</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>строка параметров дважды задаёт тип параметров</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>%1-параметры не содержат коэффициента отражения, который читает эта программа; сохраните S-, Z- или Y-параметры</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>строка параметров дважды задаёт формат данных</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>строка параметров дважды задаёт опорное сопротивление</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; без опорного импеданса</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 — не часть строки параметров (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>Z- и Y-параметры цепей с более чем двумя портами не читаются; сохраните S-параметры</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 — не число</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>частота %1 не выше предыдущей (%2 в строке %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>частота %1 меньше 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>частота %1 слишком велика</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>точка не кончается вместе со строкой: значение пропущено или лишнее (значений в точке здесь: %1)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>значения точки на %1 не дают конечного коэффициента отражения</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>снова частота %1 строки %2, значений: %3, а в точке их %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>строка %1 повторяет частоту %2 строки %3; повтор пропущен</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>управляющий символ там, где допустим только текст: это не текстовый файл</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>в заголовках столбцов: %1; для развёртки нужны частота и ещё два</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 значение там, где нужны частота и ещё два</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>значений: %1, а нужны частота и ещё два</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>строки начиная со строки %1 (%2) — другая развёртка, чем %3, и пропущены</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 — не частота</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>импеданс не даёт конечного коэффициента отражения</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 порт</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>портов: %1</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 точка</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>точек: %1</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>Не удаётся открыть измерение %1</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>он не существует или недоступен для чтения</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>он больше 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>ошибка чтения</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Настройка</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Все размеры в дюймах</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Неверный выбор. Вы по ошибке|выбрали метрический проект.|Выберите метрический расчёт.|НЕ сохраняйте эту версию!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Нажмите ESC &amp; выберите метрический!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Неверный выбор. Вы по ошибке|выбрали дюймовый проект.|Выберите дюймовый расчёт.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Нажмите ESC &amp; выберите дюймовый</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Все размеры в mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Расчёт антенны YQ... дюймы</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Линейные размеры в дюймах</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Все размеры катушек основаны на заданном шаге. Линейные размеры в дюймах. У большинства полей ввода есть всплывающая подсказка. Во всех катушках используются одинаковые диаметр провода и шаг.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Ini-файлы антенн M = метрические|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Расчёт антенны YQ... метрический</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Линейные размеры в mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Все размеры катушек основаны на заданном шаге. Линейные размеры в mm. У большинства полей ввода есть всплывающая подсказка. Во всех катушках используются одинаковые диаметр провода и шаг.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Ini-файлы антенн M = метрические|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Записи удаляются из списка пользователей, а не из этой формы.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Удаление записи</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Удалить выделенную запись?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Сообщение об ошибке YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Закрыть и вернуться...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>О программе V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Чертёж сборочного листа</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Сборочный лист: антенна в масштабе и что отрезать и намотать</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Печать сб. листа</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Показывает сборочный лист в предпросмотре для печати</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>В миллиметры</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>В дюймы</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Длины x 25.4 с округлением до метрических полей; F, L/D, MBW, FAC и DPS
без изменений; затем метрический ReCalc. Проект сохраняется в рабочей
папке под именем файла метрического окна (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Длины / 25.4 с округлением до дюймовых полей; F, L/D, MBW, FAC и DPS
без изменений; затем дюймовый ReCalc. Проект сохраняется в рабочей
папке под именем файла дюймового окна.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Перевести и сохр. (метр.)</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Перевести и сохр. (дюйм.)</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Сохраняет этот проект в миллиметрах для метрического окна.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Сохраняет этот проект в дюймах для дюймового окна.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Проект нельзя перевести:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Не удалось записать переведённый проект %1.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Метрический</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Дюймовый</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; сохранён в %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: откройте его в окне «%6».</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Подгонка под готовую антенну</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC по виткам катушки настройки (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS по виткам катушки связи (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Подгоняемое поле</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Коэффициент ёмкости по намотанным виткам катушки настройки
или сдвиг фазы по виткам катушки связи.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Намотано витков:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Намотано витков</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Перебирает все значения поля с шагом 0.01, для каждого выполняет полный ReCalc,
и находит то, при котором число витков ближе всего к намотанному.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Введите число витков работающей антенны и нажмите «Найти».</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Введите число намотанных витков, например 31 или 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; даёт %3 = &lt;b&gt;%4&lt;/b&gt; витк. (намотано %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Ни одно значение %1 от %2 до %3 не даёт %4 в пределах полувитка от %5.&lt;/span&gt; Ближайшее: &lt;b&gt;%1 = %6&lt;/b&gt;, даёт %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Также меняются: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;Окно показывает DPS с одним знаком (%1); проект хранит %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Применить %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Проект изменился после последнего поиска; это подгонка для него сейчас.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Применено&lt;/b&gt; к проекту; СОХРАНИТЬ сохранит его.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Диам. цилиндра</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Отношение L/D</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Диам. провода</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Диам. катушки</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Коэфф. ёмкости</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Диам. фаз. кат.</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Диам. кат. связи</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Сдвиг фазы</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Измер. полоса</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Развёртка параметра</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Менять:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>От</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Развёртка</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>График:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Точки развёртки</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>До %1 точек, в каждой полный ReCalc этого проекта.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Сохр. CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Все ключи всех точек, как их пишет yq-calc sweep.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; — не число.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 точек, в каждой полный ReCalc.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Не удалось сохранить развёртку как %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 точек сохранено в %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Сохранить развёртку в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Сборочный лист</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Инструменты</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Выбор антенны</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Параметры</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Справка</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Поля, выделенные жирным, можно изменять. Остальные только для чтения.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Сохраняет файл с именем вида 726.ini
7 = частота в mhz
2 = диаметр цилиндра в дюймах
6 = отношение диаметра к длине
Первая буква &apos;M&apos; означает метрический расчёт.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Печать/вид</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Для печати СНАЧАЛА сохраните</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Отчёт по почте</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Для почты используется Outlook. Другие почтовые программы могут не работать.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Форум YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Открыть Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Итоги по почте</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Параметры цилиндров</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Параметры катушки связи</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Параметры катушки настройки</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Нажмите эту кнопку для пересчёта после изменений</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Начальный коэффициент 2. Ёмкость цилиндра делится
на 2 для пересчёта размера катушки. При этом
пересчитывается и индуктивность катушки.

Введите число, дающее то число витков, при котором
антенна у вас заработала. Затем ОК
и СОХРАНИТЬ.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Параметры фазирующей катушки</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Общая справка</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Элементы, из которых состоит вариант YQ Star, перечислены справа для пояснения терминов на странице расчёта. Для более полного понимания YQ Star обратитесь к книге Brannoc «YQ Design Book» (её можно скачать на форуме).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>Общая длина антенны рассчитывается как длина цилиндра * 2 плюс диаметр цилиндра * 2 плюс длина катушки настройки. Катушка связи в длину не входит.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Щёлкните, чтобы войти на форум YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Элементы антенны YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Измерение</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Моделирование</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Не удалось записать рабочую копию %1.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Ни одна программа электронных таблиц не смогла открыть %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 в зависимости от частоты</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Пока нечего отображать.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> диапазон</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Калькулятор антенн V5.091 - антенны YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, гендиректор  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Расчёт антенны</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Антенна YQ (дюйм.)</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Антенна YQ (метр.)</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Фото</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    О программе</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Баннер ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Антенна YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Антенна YQ на фургоне</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Портрет Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Пользователи</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Открыть измерение...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Измерение не открыто (Touchstone .s1p, .s2p, .ts или CSV от VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Намотано витков:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Витков на катушке настройки</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Задать коэффициент ёмкости, дающий указанные витки, затем ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Результаты и настройка</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Открыть измерение</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Открыть измерение</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Измерения (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>В измерении %1 нет пригодной развёртки: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Не прочитано: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Намотано витков &quot;%1&quot; — не число витков больше 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Применить FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Катушка настройки: намотайте %1 витк. (сейчас %2) для резонанса на %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Откройте развёртку готовой антенны, сохранённую анализатором (S11 в точке питания). Вкладка найдёт её резонанс и число витков для расчётной частоты.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>КСВ (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>расчёт %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Модель NEC-2 этого проекта в том же диапазоне: расчёт...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Нет модели NEC-2 рядом с измерением: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Модель NEC-2 (пунктир): этот проект с катушкой настройки %1 витк. в измеренном диапазоне. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>измерено</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Модель NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Фотографии антенн YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Антенна YQ на крыше дома в сумерках</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Антенна YQ на треноге на пляже</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Сборка антенны YQ на верстаке</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Проверка антенны YQ антенным анализатором</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Антенна YQ на балконе</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Переносная антенна YQ в горах</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Детали антенны YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Антенна YQ у дома зимней ночью</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Угол места (град)	Усиление (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Диаграммы пока нет.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Макс. усиление %1 dBi; в центре %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Обработка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Отправка почты</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Письмо открывается в почтовой программе...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>Моделирование запускается, когда эта вкладка активна, после ReCalc.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Модель:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>стандартная</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>подробная</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>стандартная: толстые провода и сосредоточенные катушки, доли секунды; подробная: проволочные сетчатые каркасы и спиральные катушки, несколько секунд, меньше показателей</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Ход моделирования</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Экспорт файла NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Сохр. развёртку...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Данные калькулятора рядом с данными модели NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Частоты на графике</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Вся развёртка, от 0.4 F до 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Около резонанса с расчётной катушкой</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Около F с катушкой для F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>КСВ на 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Моделирование проекта в NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>NEC-2, модель %1: %2 запусков nec2c за %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Не соблюдено правило NEC-2: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Все файлы соблюдают эмпирические правила NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Диаграмма в вертикальной плоскости на %1 MHz, %2, ось вертикальна</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>катушка для F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>расчётная катушка</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Нет резонанса, нет диаграммы.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Файлы NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Не удалось сохранить файл NEC как %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Файл NEC сохранён в %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Не удалось сохранить развёртку как %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Развёртка сохранена в %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Диаграмма Смита</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Серия	Частота (MHz)	R (ohm)	X (ohm)	Отражение (re)	Отражение (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Копир. точки</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Диаграмма Смита, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>График развёртки</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Выберите параметр и диапазон, затем «Развёртка».</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Отметьте хотя бы один выход для графика.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> диапазон</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      пунктир: этот проект, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Запись будет добавлена</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Запись будет изменена</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Просмотр записи</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Имя &amp;&amp; позывной:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Имя &amp; позывной</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Изменение файла yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Введите имя и позывной</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Просмотр записей</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Просмотр файла пользователей</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>縮尺なし: 設計にまだ寸法がありません</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>縮尺 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>縮尺 %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>YQ アンテナ製作シート</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>設計周波数 %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>長さの単位はすべて mm です</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>長さの単位はすべてインチです</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>設計: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>上部シリンダー %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>シリンダー間隔 %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>下部シリンダー %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>コイルまでの間隔 %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>同調コイル %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>給電コイル %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>全長 %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>給電コイルを含まず</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>シリンダー径 %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>位相コイル径 %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 回、線長 LPW %2 %3</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(コイルとリード線。巻線長は任意)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>同調コイル径 %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 回、SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>給電コイル径 %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 回、給電点</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>シリンダー長</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>シリンダー間隔</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>同調コイルまでの間隔</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>同調コイル長</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>給電コイル長</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>シリンダー径</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>位相コイル径</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>同調コイル径</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>給電コイル径</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>給電</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>設計にまだ寸法がありません。製作前に計算してください。</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>縮尺どおりではなく、見やすいよう大きく描いています: %1。</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>破線: 下部シリンダー内の同調コイルの線。同調コイル上端からの線は下部シリンダーの中心を通り、下端からの線は内壁に沿って上がります。</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>設計で決まらないもの: 位相コイルの巻線長 (シリンダー間隔に収まる) と、給電点での給電コイルの位置。LPW は位相線全体の長さです。巻線はコイル 0.02 in あたり最大 1 本の線で描いています。巻数はラベルを参照してください。</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>部材表</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>シリンダー</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>非鉄金属パイプ、外径 %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>各 %1</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>同調コイル線</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>線 %1、NT %2 回、SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>%1 のボビンに巻く、巻線長 %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>位相線</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>線 %1、PCNT %2 回のコイル</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>%1 のボビンに巻く、シリンダー間隔内</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>給電コイル線</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>線 %1、SCT %2 回密巻き</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>線の合計</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>部品</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>材料と寸法</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>最も近い線番</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (全コイル)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (給電コイル)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>最も近い AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>最も近い SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>線径なし</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>キューから製作シートを印刷</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>設計を計算します: 新しい設計 (全フィールド 0) または --file から始め、各 KEY=VALUE を格納し (正確な 10 進テキスト、フィールドの桁数に四捨五入 (0 から遠い方へ))、計算を実行してすべてのキーを出力します</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>標準入力の 1 行に 1 ケース、1 ケースにつき 1 行 (または &quot;error&quot;) を出力</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>現在のフォルダーで「保存」: F, CD, LD から名前を付けた設計ファイルを書き込み、その行を YQ.csv に追加し、設計ファイルのパスを出力します</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>現在のフォルダーのユーザーレコードを一覧表示 (先頭のものがレポートに印刷され YQ.csv に書き込まれます)、1 件追加、または 1 件削除します</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>設計ファイルの設計レポート: PDF として、またはメールコマンドと同じく出力 (Report.RTF、その HTML ページ、メールの下書きを現在のフォルダーの VH/ に書き出し、パスを出力)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>設計ファイルの製作シート (寸法入りの図と部材表)。その単位系の設計ウィンドウと同じように計算し、PDF, SVG, PNG のいずれか 1 つ以上で出力します</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>製作したアンテナの同調コイルの巻数 NT に容量係数 FAC を、または給電コイルの巻数 SCT に位相角 DPS を合わせます (半回以内になる値がないときは終了ステータス 3。最も近い値を出力)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>製作したアンテナのアナライザーのスイープ (Touchstone .s1p, .s2p, .ts または VNA プログラムの CSV) を読み、直列共振、最小 SWR、SWR 2:1 帯域幅を求め、設計周波数に必要な同調コイルの巻数と、それに合う容量係数を示します (ファイルが不正または破損しているときは終了ステータス 2、使えるスイープがないときは 3)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>1 つの入力を範囲内の各値に変えて設計を計算し、値ごとに CSV を 1 行出力</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>設計ファイルをインチとミリの間で変換し、もう一方の単位系の名前で現在のフォルダーに保存</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>NEC-2 で設計をシミュレーションし (nec2c を実行)、計算ツールの値とモデルの値を並べて出力: 直列共振、モデルが F で必要とするコイル、インピーダンス、Q、帯域幅、SWR、効率、利得。csv と s1p はスイープを出力 (50 ohm に対する Touchstone S11)。nec2c がないか失敗したときは終了ステータス 1</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>設計ウィンドウと同じ計算で、ウィンドウを使わずに YQ アンテナを設計します: コマンドラインから 1 つの設計、標準入力から多数の設計、そしてウィンドウの「保存」、ユーザー一覧、レポート、製作シート、設計ツール。</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>設計はミリ単位 (メートル系設計ウィンドウ)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>設計ファイルから始めます。設計ウィンドウと同じように読み込みます (単位系が違うときは警告)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>完全な計算を N 回実行 (既定 1。0 は値の格納のみ)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>完全な計算の代わりに、ウィンドウのフィールドの指定した部分再計算だけを実行: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>設計の出力形式: line (既定。すべてのキーを 1 行に KEY=value で)、table (1 行に 1 量。ウィンドウのラベル、ウィンドウの書式での値と単位を、ウィンドウの順で)、json (すべてのキーと、その正確な 10 進テキストを文字列とするオブジェクト)、csv (結果表 YQ.csv の見出し行と行)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>ヘルプとメッセージの言語: en, de, ja, ru, it, es, pl, pt_BR, fr, cs または nl (既定: デスクトップの言語。LANGUAGE, LC_ALL, LC_MESSAGES または LANG から)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>レポートのオプション</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>レポートを PDF ファイルに書き出す</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>Report.RTF、HTML ページ、メールの下書きを VH/ に書き出す</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>レポートの印刷日 (既定は今日)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>シミュレーションのオプション</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>NEC-2 モデル: standard (シリンダーは太いワイヤー、コイルは集中定数)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>詳細モデル (ワイヤーグリッドのかご、ヘリカルコイル、リード線。数秒かかり、進行状況を端末の標準エラーに表示、Ctrl+C で中止): 共振、放射抵抗、利得、効率のみ</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (既定)、json、csv (スイープ) または s1p (Touchstone 形式のスイープ)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>NEC-2 プログラムで開けるモデルの NEC デッキも書き出す</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>製作シートのオプション</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>製作シートを PDF ファイルに書き出す</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>SVG 図として書き出す</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>PNG 画像として書き出す</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>終了ステータス:
  0   成功
  1   ファイルを読み書きできなかった。--batch では、ある行を計算できなかった
      (&quot;error&quot; を出力し、ほかの行は計算する)
  2   入力が不正 (不明なキーやオプション、10 進数でない値)。
      標準エラーのメッセージに示す</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet には --pdf, --svg または --png が必要です</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>設計ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>設計ファイル %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>製作シートには GUI アプリケーションオブジェクトが必要です</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>実行回数が無効です &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 文字)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>%1 の値は 10 進数ではありません: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>%1 の値はどのフィールドにも大きすぎます (小数点の前が %2 桁を超える): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>KEY=VALUE の形式が必要ですが、&apos;%1&apos; が指定されました</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>不明なキー &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>オプション &apos;%1&apos; には値が必要です</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>オプション &apos;--file&apos; にはパスが必要です</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>不明な部分再計算 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; はフォルダーで、設計ファイルではありません</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>設計ファイル &apos;%1&apos; が見つかりません</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; にはほかの引数を指定できません</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>行 %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>%1 の値はフィールドに収まりません: %2 (%1 の範囲は -%3 ～ %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>設計ファイルの %1 の値はフィールドに収まらないため、フィールドの範囲に切り詰めました</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>設計ファイルの %1 の値はフィールドに収まらないため、各フィールドの範囲に切り詰めました</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; には &apos;--partial&apos; を指定できません</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>設計ファイル %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>結果の行を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>ユーザーレコード &apos;%1&apos; がありません</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>オプション &apos;--format&apos; には値が必要です</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>不明な形式 &apos;%1&apos; (line, table, json または csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 には設計ファイルが必要です</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>無効な日付 &apos;%1&apos; (YYYY-MM-DD 形式で指定してください)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report には --pdf OUT.pdf または --export が必要です</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>レポートには GUI アプリケーションオブジェクトが必要です</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; には standard または detailed が必要です</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; には table, json, csv または s1p が必要です</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; にはファイル名が必要です</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; に指定できる設計ファイルは 1 つです。ほかに &apos;%1&apos; が指定されました</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; には設計ファイルが必要です</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>不明なモデル &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>不明な形式 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>詳細モデル、%1 % 完了</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; には &apos;--partial&apos; を指定できません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; には &apos;--runs&apos; を指定できません</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; には NT=&lt;turns&gt; または SCT=&lt;turns&gt; が必要です</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; に指定できる目標は 1 つです。ほかに &apos;%1&apos; が指定されました</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>&apos;%2&apos; の巻数 &apos;%1&apos; は 10 進数ではありません</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>&apos;%2&apos; の巻数 &apos;%1&apos; が 0 より大きくありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; は fit が求める値です。指定しないでください</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>%2 ～ %3 のどの %1 でも、%4 が %5 の半回以内になりません。最も近いのは %1=%6 で、%4=%7 です</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; には KEY=FROM:TO:STEP が必要です</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; で変えられる入力は 1 つです。ほかに &apos;%1&apos; が指定されました</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>オプション &apos;--to&apos; には &apos;metric&apos; または &apos;imperial&apos; が必要です</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: &apos;metric&apos; または &apos;imperial&apos; を指定してください</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; に指定できる設計ファイルは 1 つです。ほかに &apos;%1&apos; が指定されました</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; には設計ファイルが必要です</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; には &apos;--to metric&apos; または &apos;--to imperial&apos; が必要です</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>設計ファイル &apos;%1&apos; の単位系は %2 で、インチ系 (0) でもメートル系 (1) でもありません</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>設計ファイル &apos;%1&apos; はすでにメートル系の設計です</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>設計ファイル &apos;%1&apos; はすでにインチ系の設計です</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; には table または json が必要です</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; には巻いた巻数が必要です</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; には 0 より大きい巻数が必要です。指定された値 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; には設計ファイルと測定が必要です</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>測定 %1 に使えるスイープがありません: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 を実行できません: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>ページコマンドには %1 が必要ですが、インストールされていません (%2 と %3 を検索しました)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>中心周波数を MHz で入力してください。
小数点以下は最大 3 桁です。</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>シリンダーの外径をインチで入力してください</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>L/D 比と直径から、アンテナの一次容量 (pF)、
リアクタンス (Ω)、3 dB 帯域幅、
および &apos;Q&apos; を
計算します。</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>実測帯域幅 (kHz) は、最小 VSWR の両側で
VSWR 2:1 となる点の幅です。</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>位相のずれの量から給電コイルのインダクタンスを
計算するオプションです。初期値は位相コイルと
同じく 6 度です。アンテナが動作したら、
値を入力して給電コイルの完成時の
巻数を
求めてください。</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>通常は同調コイルと同じ直径です。
ただし、適宜変えてもかまいません。</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>密巻きコイルの間隔は通常、線径と
同じにします。</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>係数は、シリンダー長とコイル長の比を 2 で割り、
さらに指定した係数を適用します。ReCalc
ボタンをクリックすると適用されます。</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>寸法を正しく計算するには、このフィールドを
クリックしてインダクタンスを再生成し、
コイル寸法を再計算します。</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>表示に従って入力してください。各入力欄には、その欄を説明するポップアップがあります。線径と間隔を入力したら ReCalc ボタンをクリックします。これにより何段階かの計算を繰り返し、最終的なコイルのインダクタンスと寸法を求めます。アンテナを製作して試験した結果、最大出力と最低 VSWR が得られる巻数が計算された巻数と違っていたら、完成したアンテナの巻数になるまで係数の欄を変えてください。初期値は係数 2 です。小数を使って最も近い巻数に合わせます。この情報をメインフォームの左下からメールで私に送ってください。上記の情報は、このプログラムの最終版を正確にするために使う係数の実態をつかむために必要です。卵が先か鶏が先かの問題です。最初は共振に必要なインダクタンスがわからないので、推定値を入れます。次に係数を設定して精度を上げます。これで正しいインダクタンス、コイル長、巻数が得られます。最終版を完成させるため、皆さんのご協力をお願いします。</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>YQ 設計計算ツール</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>開くファイルを選択</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>無効な値です。有効な値は|1 ～ 99 です。もう一度入力してください</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>メートル系のアンテナを印刷しています。|寸法は mm で表示されます。</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 を書き込めませんでした</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>ファイル名が指定されていません。</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 を読み込めませんでした</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>パスが %1 文字を超えています</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>結果ファイル %1 を開けませんでした</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>結果ファイル %1 をロックできませんでした</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>結果ファイル %1 はほかのプログラムが使用中です</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>結果ファイル %1 を読み込めませんでした</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (ファイルの最後の行が途中で切れている可能性があります)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>結果の行を %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>結果の行を %1 に追加しましたが、ディスクに書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>設計ファイル %1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>設計は保存しましたが、結果の行を書き込めませんでした:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>ほかのプログラムがロックしています</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>ユーザーファイル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>ユーザーレコードがありません (ユーザーファイルではありません)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>破損しています (ページの途中で切れています)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>名前とコールサインに制御文字 (改行、タブ) は使えません。</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>名前とコールサインは %1 文字以内です。</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>レコードを追加できませんでした: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>レコードを変更できませんでした (削除された可能性があります)。</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>レコードを削除できませんでした: ユーザーファイルが存在しません。</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>レコードを削除できませんでした (すでに削除されている可能性があります)。</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>スイープ</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>直列共振</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>直列共振</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>調整の基準</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>そこでのインピーダンス</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>最小 SWR (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>SWR 2:1 帯域幅 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>設計周波数</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>給電点の直列インダクタンス</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>実効容量</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>設計周波数に必要なインダクタンス</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>同調コイル</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>コイル長</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>線長</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>容量係数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>測定</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読込</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>調整</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  または:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>例: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>ライセンス GPL-2.0-or-later: GNU GPL バージョン 2 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。
これはフリーソフトウェアです。自由に変更、再配布できます。
法律で認められる範囲で、一切の保証はありません。
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>YQ アンテナのすばらしい世界へようこそ。多くの人が不可能だと言ってきたこと、すなわち新しいアンテナ方式の開発を、私たちはついに成し遂げました。120 年にわたり、ヘルツの共振ワイヤーアンテナがアンテナを作る唯一の方法とされてきました。私たちはそれを受け入れず、その成果が YQ アンテナ方式です。小型、高効率、広帯域、ごく低い EMI と、あらゆるアンテナ特性で優れています。開発の過程で、これに関連する物理学上の新しい発見があり、その発見からさらに別のアンテナ方式が生まれました。近いうちにご紹介できればと思っています。</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>ここでは各アマチュアバンド用アンテナの設計情報を提供します。自作アンテナをお楽しみください。無数のアンテナが運用中で、毎日増えています。</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet は学生時代からのアマチュア無線家で、古い電話機の部品で最初の鉱石受信機を作りました。電気技術者として教育を受け、放送用と船舶無線用の送信機の設計に長年携わりました。小型アンテナはいつも放射効率が悪いと言われるのはなぜかと疑問に思い、自分の工房で短いシリンダーとコイルの実験を始め、その研究から YQ アンテナが生まれました。現在は、YQ アンテナの応用を開発する技術者とアマチュア無線家の小さな会社 ZO Duravar Uravaro を率いています。</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>世界中で YQ アンテナによって何が実現されているかをご覧いただくため、これらの写真を掲載します。写真そのものに語ってもらいましょう。ご自分のアンテナを掲載したい方は、鮮明な写真を %1 までメールでお送りください。</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Brannoc Quillet から提供された計算式をもとに、当社のプログラマーが作成しました。YQ アンテナを製作して運用に成功したあなたのようなユーザーからのフィードバックが必要なため、まだ開発途上です。実際に動作するアンテナを得るために </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>使った諸元を知る必要があります。詳細をご記入のうえ、分析のためメールでお送りください。</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>周波数を MHz で入力</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>放射抵抗</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>実測帯域幅からの放射抵抗</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>シリンダー径を入力:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>シリンダー径を入力 (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>長さ/直径比を入力</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>シリンダー容量の計算値 pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>リアクタンス (Xc) Ω</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>±3 dB 帯域幅 (kHz)</translation>
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
        <translation>アンテナ全長:</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>アンテナ全長 (mm):</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>実測帯域幅を入力 (kHz)</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>実測 RR との差</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>線径を入力:</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>線径を入力 (mm)</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>間隔を入力:</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>間隔を入力 (mm)</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>1 インチあたりの巻数 (計算値)</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>1 mm あたりの巻数 (計算値)</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>シリンダー・線間容量 (pF)</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>コイル容量の推定値 (pF)</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>コイルのインダクタンス uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>必要な巻数</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>回</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>コイル長:</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>コイル長 (mm):</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>必要な線長 (インチ)</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>必要な線長 (mm):</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>シリンダー長:</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>シリンダー長 (mm):</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>コイル径を入力:</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>コイル径を入力 (mm):</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>波長に対する長さ (%):</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>位相線の長さ:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>位相線の長さ</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>位相コイル径を入力:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>位相コイル巻数</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>容量係数</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>アンテナ効率</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>損失 dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>給電コイル巻数</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>給電コイル長:</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>給電コイル長 (mm)</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>給電コイルのインダクタンス uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>給電コイル径を入力:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>給電コイルの線長:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>給電コイルの線長</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>給電コイルの線径</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>給電コイルの線径 (mm)</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>給電コイルのリアクタンス (40 Ω時)</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>位相角を入力:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>不明な言語 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>%1 のいずれかを選んでください</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang には言語コードが必要です</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>オペレーティングシステムのメモリ/リソースが不足しています。ファイル:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>不明な ShellExecute エラーが発生しました。ファイル:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>指定したファイルが見つかりませんでした。ファイル:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>指定したパスが見つかりませんでした。ファイル:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>オペレーティングシステムが指定したファイルへのアクセスを拒否しました。ファイル:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>操作を完了するためのメモリが足りませんでした。ファイル:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>この .exe ファイルは無効です (Win32® 以外の .exe、または .exe イメージのエラー)。ファイル:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>共有違反が発生しました。ファイル:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>ファイル名の関連付けが不完全か無効です。ファイル:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>要求がタイムアウトしたため、DDE トランザクションを完了できませんでした。ファイル:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>DDE トランザクションに失敗しました。ファイル:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>ほかの DDE トランザクションを処理中のため、DDE トランザクションを完了できませんでした。ファイル:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>このファイル名拡張子に関連付けられたアプリケーションがありません。ファイル:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>指定したダイナミックリンクライブラリが見つかりませんでした。ファイル:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|ファイル:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>結果ファイルが見つかりませんでした。|「保存」のたびに 1 行追加されます。まず設計を保存してください。</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>CSV ファイルを開く表計算プログラムが設定されていません。|インストールするか、デスクトップの設定で CSV ファイル用のプログラムを選んでください。</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>CSV ファイルを開くよう設定されたプログラムを起動できません:|デスクトップエントリーがないか無効です。</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Shell Execute エラー:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>メールプログラム</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>このデスクトップにはメールプログラムが登録されていません。</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>登録されているメールプログラム (%1) が見つかりません。</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 はメールの HTML 本文を受け付けません。</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>メールプログラムがメールの添付ファイルを受け取っていない可能性があります。また、HTML 本文は受け付けません。</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>メールプログラムがメールの添付ファイルを受け取っていない可能性があります。</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>メールプログラムはメールの HTML 本文を受け付けません。</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>メールプログラムを起動できませんでした: %1。</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>メールプログラムを起動できませんでした: xdg-email がインストールされていません。</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>メールプログラムを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>YQ アンテナのロゴ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>YQ Star アンテナ: 各部の名称を記した全体配置図</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>YQ Star アンテナの各部</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>YQ アンテナ設計計算ツールのバナー</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>庭のマストに立てた YQ アンテナ</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>キャンピングカーに取り付けた YQ アンテナ</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>イラストの肖像: 無線機の前のアマチュア無線家</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>夕日を浴びる家の屋根の上の YQ アンテナ</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>海辺の三脚に立てた移動用 YQ アンテナ</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>作業台で同調コイルを巻く</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>アンテナアナライザーで YQ アンテナを調整</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>マンションのベランダの YQ アンテナ</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>山頂の YQ アンテナ</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>作業台に並べた YQ アンテナの部品</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>冬の夜の YQ アンテナ</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>YQ プログラムのアイコン</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>「このプログラムについて」のアイコン: 無線オペレーター</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>リンク用の手の形のポインター</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>YQ 設計計算ツール: YQ アンテナをインチまたはミリで設計し、設計と結果表 YQ.csv を作業フォルダーに保存し、設計レポートを印刷して結果をメールで送ります。

プログラムはメインウィンドウを開き、設計ウィンドウはそのメニューから開きます。ファイルは作業フォルダー(最後に開いた設計ファイルのフォルダー)に保存されます。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>今回の実行でのウィンドウの言語: en, de, ja, ru, it, es, pl, pt_BR, fr, cs または nl (既定: デスクトップの言語。LANGUAGE, LC_ALL, LC_MESSAGES または LANG から)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>設計ウィンドウのハイパーリンク処理を標準エラーにトレースします。各行は &quot;RazedUveziz: &quot; で始まります(登録、イベント、実行したコマンド、ブラウザーやメールプログラムが見つからないこと)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>デスクトップのブラウザーやメールプログラムの検索が失敗するたびにトレースします (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>リンクごとのハンドラー確認の試行をトレースします (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>Qt の表示プラグイン (xcb, wayland, offscreen)。Qt のその他のオプションも使えます</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>トレースのスイッチは組み合わせて、大文字小文字を問わず指定できます (/hadebug)。トレースは
標準エラーに出力され、画面には表示されません。

終了ステータス:
  0   メインウィンドウが閉じられた (終了)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>%1 には何も描かれませんでした</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>%1 を描けません</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>画像が含まれていません (%1 バイト)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>途中で切れています (%2 バイト中 %1 バイト)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>ページ画像 %1 を読み込めませんでした</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>フォルダーが存在しません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>レポートにページがありません。</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>メールプログラムがありません。</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan さん、私の YQ の結果を添付します</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>完成した YQ の結果</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|レポートには設計者がユーザーファイルから記載されるため、印刷されません。|ユーザーファイルはそのままです。</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>レポート文書を書き込めませんでした。|%1|レポートなしでメールを開きます。</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>レポートのメールを準備できませんでした。|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>次のファイルをメールに添付できませんでした:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>メールのコピーを次の名前で保存できませんでした|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|メールを次の名前で保存しました|%2|メールプログラムで開いて送信してください。</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|メールを次の名前で保存できませんでした|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|完全なメールを次の名前で保存しました|%2|すべてを送るには、メールプログラムでそれを開いてください。</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>メール送信</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>YQ *Star* アンテナ 設計周波数</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>長さの単位はすべて</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>シリンダー</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>同調コイル</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>位相コイル</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>給電コイル</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>シリンダー径</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>長さ/直径比</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>シリンダー長</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>シリンダー間隔</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>シリンダー容量 (pF)</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>リアクタンス (XC) Ω</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>放射抵抗 Ω</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>±3 dB 帯域幅 (kHz)</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>アンテナの &apos;Q&apos;</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>アンテナ全長 (コイル込み)</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>全コイルの線径</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>コイルの巻線間隔</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>同調コイル径</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>同調コイルのインダクタンス uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>巻数</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>コイル長</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>コイルの線長</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>容量係数</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>位相コイル径</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>線長</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>給電コイル径</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>給電コイル巻数</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>給電コイルの線長</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>損失を減らすため、シリンダーは非鉄金属で作ってください。</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>シリンダー間の間隔は成否を左右します。</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>下部シリンダーと同調コイル上端の間隔は、シリンダー径と同じにしてください。</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>同調コイル下端からの線は、下部シリンダーの内壁に沿って上げてください。</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>同調コイル上端からの線は、下部シリンダーの中心を通して上げてください。</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>コイルのボビン (パイプ) は、電子レンジで RF による発熱がないか試験してください。</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>電子レンジで熱くなるものは RF エネルギーを吸収しているので使わないでください。</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>完成したらアンテナ全体を防水してください。</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>最大放射と最小 VSWR に調整する方法は、Brannoc のブックの説明に従ってください。</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>印刷日:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>設計者:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>キューから印刷</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>インチ</translation>
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
        <translation>デッキの %1 行目を読み込めません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>%2 カードの &quot;%1&quot; は数値ではありません</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>%1 カードには %2 個の数値が必要です</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>デッキの %1 行目を検査できません</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>コピーまたは回転を行う GM カードはここでは読み込みません</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>デッキに周波数の指定がありません (FR カードなし)。</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>ワイヤー %1 に長さまたはセグメントがありません。nec2c が終わらなくなるおそれがあります。</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>ワイヤー %1 のセグメントは、最低周波数 %3 MHz で %2 波長です。NEC-2 では 0.001 以上が必要です。</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>ワイヤー %1 のセグメントは、最高周波数 %3 MHz で %2 波長です。NEC-2 では 0.1 以下が必要です。</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>ワイヤー %1 のセグメント長は半径の %2 倍です。拡張細線カーネル使用時、NEC-2 では %3 以上が必要です。</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>ワイヤー %1 のセグメント長は半径の %2 倍です。EK なしでは、NEC-2 では %3 以上が必要です。</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>ワイヤー %1 と %2 が同じ %3 m にわたって重なっています。nec2c はこれらに対して無意味なインピーダンスを出します。</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>ワイヤー %1 と %2 が半径比 %3 倍で接続しています。拡張細線カーネルは半径が変わる箇所では無効です。</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>ワイヤー %1 と %2 が半径比 %3 倍で接続しています。NEC-2 では 5 以下が必要です。</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>デッキに給電がありません (EX カードなし)。</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>給電がワイヤー %2 のセグメント %1 にありますが、そのセグメントは存在しません。</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>NEC-2 詳細モデル: 自由空間、給電線なし。シリンダーはアルミのワイヤーグリッドのかご、同調コイルと位相コイルは銅のヘリックスで、リード線は製作シートの図のとおり。給電コイルは給電点の集中定数。</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>NEC-2 標準モデル: 自由空間、給電線なし。シリンダーは太いアルミ線、3 つのコイルは計算ツールのコイル値から、給電点の 1 つの直列 R + L として集中定数化。</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>nec2c を起動できません</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>nec2c 用のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>nec2c 用のデッキを書き込めません</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c は完了前に停止しました</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>クラッシュしました</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>終了ステータス %1 で終了しました</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c が失敗しました</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c が何も出力しませんでした</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>deck.out がありません</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>シミュレーションには nec2c が必要ですが、インストールされていません。&quot;sudo apt install nec2c&quot; でインストールしてください。</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>シミュレーションには nec2c が必要ですが、%1 にありません。</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c を停止しました</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>制限時間 %1 ms を超えて実行されました</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>シミュレーションをキャンセルしました。</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>nec2c の出力を読み込めません</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>デッキの %1 より多くの周波数があります</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>周波数 %1 の入力パラメーターに数値の行がありません</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>周波数 %1 のインピーダンスが数値ではありません</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>放射パターンに見出しがありません</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>デッキの %2 個の周波数のうち %1 個しかありません</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>整合時の半電力帯域が細かいスイープより広くなっています。</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>50 ohm での半電力帯域が細かいスイープより広くなっています。</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>計算コイルでは、モデルは 0.4 F ～ 2.5 F の間に直列共振を持ちません。</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c は共振点で電力収支も平均利得も出しませんでした。</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>このモデルでは F 用コイルは計算しません。</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>設計に周波数がありません</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F が 0 です</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>設計にシリンダーがありません</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD または LD が 0 です</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>詳細モデルには同調コイルが必要です</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP または CCD が 0 です</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>F でモデルを共振させる同調コイルはありません。そこでは直列容量が必要です。</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>再設計したコイルでは、F の 1 % 以内で X が 0 を通って増加しません。</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>このモデルのセグメントは F で %1 波長まで短くなり (NEC-2 では 0.001 以上が必要)、かごとリード線が NEC-2 の規則に反するため、給電点の R と X、そこから求める Q、帯域幅、SWR は無効です。遠方界からの共振、放射抵抗、利得、効率のみを示します。</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>直列共振</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>同調コイルのインダクタンス</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>同調コイル巻数</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>給電点の直列 L</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>F での給電点インピーダンス</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>共振時の R (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>放射抵抗</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>半電力帯域幅 (整合時)</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>SWR 2:1 帯域幅 (整合時)</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>半電力帯域幅 (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>SWR 2:1 帯域幅 (50 ohm)</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>最小 SWR (50 ohm)</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>効率</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>損失</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>最大利得</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>守られていない規則: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注記: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>nec2c の実行: %1 回、%2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>計算ツール</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2、計算コイル</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2、F 用コイル</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>未計算</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>測定 %1 を読み込めません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>行 %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>テキストのみの位置に制御文字 (バイト %1) があります: テキストファイルではありません</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>[End] の後にテキストがあります</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>2 つ目のオプション行</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>角かっこ内のキーワードが必要な位置に %1 があります</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] の値が少なすぎます</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>ファイルが点の途中で終わっています: 値 %2 個のうち %1 個</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>[Network Data] のない Touchstone 2.0 ファイル</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] の値は %1 ですが、ファイルには %2 あります</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>オプション行がありません: GHz S MA R 50 と仮定します</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>行 %1 以降のノイズパラメーターを読み飛ばしました</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>閉じる &quot;]&quot; のないキーワード</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] はコメント以外の最初の行でなければなりません</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 はこのプログラムが読めるバージョン (2.0) ではありません</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>[Version] 2.0 のないファイルにキーワード [%1] があります</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 はポート数ではありません</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 は 12_21 でも 21_12 でもありません</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 は個数ではありません</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Number of Ports] より前に [Reference] があります</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 は Full, Lower, Upper のいずれでもありません</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Number of Ports] より前に [Network Data] があります</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>オプション行より前に [Network Data] があります</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>[Two-Port Data Order] のない 2 ポートファイル</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>ネットワークデータが点の途中で終わっています</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] は Touchstone 2.0 のキーワードではありません</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>基準 %1 は数値ではありません</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>基準インピーダンス %1 ohm が 0 より大きくありません</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] の値がポート数より多くあります</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>オプション行で周波数単位が 2 回指定されています</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>オプション行でパラメーターが 2 回指定されています</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>%1 パラメーターには、このプログラムが読める反射係数がありません。S, Z または Y パラメーターで保存してください</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>オプション行でデータ形式が 2 回指定されています</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>オプション行で基準が 2 回指定されています</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>基準インピーダンスのない &quot;R&quot;</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 はオプション行の要素ではありません (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>3 ポート以上のネットワークの Z, Y パラメーターは読み込みません。S パラメーターで保存してください</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 は数値ではありません</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>周波数 %1 が直前の周波数 (行 %3 の %2) より大きくありません</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>周波数 %1 が 0 未満です</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>周波数 %1 が大きすぎます</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>点が行末で終わっていません: 値が足りないか 1 つ多すぎます (ここでの 1 点は %1 個の値)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>%1 の点の値から有限の反射係数が得られません</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>行 %2 の周波数 %1 が再び現れ、1 点は %4 個の値のところ %3 個あります</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>行 %1 が行 %3 の周波数 %2 を繰り返しています。繰り返し分は除外します</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>テキストのみの位置に制御文字があります: テキストファイルではありません</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>見出しの列数は %1 です。スイープには周波数とほか 2 列が必要です</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>周波数とほか 2 つの値が必要なところ、値が %1 個です</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>周波数とほか 2 つの値が必要なところ、値が %1 個です</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>行 %1 以降の行 (%2) は %3 とは別のスイープのため除外します</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 は周波数ではありません</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>インピーダンスから有限の反射係数が得られません</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 ポート</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 ポート</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 点</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 点</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>測定 %1 を開けません</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>存在しないか読み込めません</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>64 MB を超えています</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>読み込みに失敗しました</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>測定</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読込</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>調整</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>寸法の単位はすべてインチです</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>選択が違います。誤って|メートル系の設計を選びました。|メートル系の設計を選んでください。|このバージョンは保存しないでください!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>ESC を押す &amp; メートル系を選択!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>選択が違います。誤って|インチ系の設計を選びました。|インチ系の設計を選んでください。</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>ESC を押す &amp; インチ系の設計を選択</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>寸法の単位はすべて mm です</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>YQ アンテナ計算... インチ系</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>長さの単位はインチです</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>コイルの寸法はすべて指定した間隔に基づきます。長さの単位はインチです。ほとんどの入力欄にはマウスオーバーのヘルプがあります。すべてのコイルで同じ線径と間隔を使います。</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>アンテナ ini ファイル M = メートル系|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>YQ アンテナ計算... メートル系</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>長さの単位は mm です</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>コイルの寸法はすべて指定した間隔に基づきます。長さの単位は mm です。ほとんどの入力欄にはマウスオーバーのヘルプがあります。すべてのコイルで同じ線径と間隔を使います。</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>アンテナ ini ファイル M = メートル系|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>レコードはこのフォームではなく、ユーザー一覧から削除されます。</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>選択したレコードを削除してもよろしいですか?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>YQ エラーメッセージ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>閉じて戻る...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>このプログラムについて V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>製作シートの図</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>製作シート: 縮尺どおりのアンテナと、切断・巻線する部材</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>製作シートを印刷</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>製作シートを印刷プレビューに表示して印刷します</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>ミリに変換</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>インチに変換</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>長さは x 25.4 してメートル系フィールドに丸め、F, L/D, MBW, FAC, DPS は
そのまま。その後メートル系で ReCalc します。設計は作業フォルダーに
メートル系ウィンドウのファイル名 (M...ini) で保存されます。</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>長さは / 25.4 してインチ系フィールドに丸め、F, L/D, MBW, FAC, DPS は
そのまま。その後インチ系で ReCalc します。設計は作業フォルダーに
インチ系ウィンドウのファイル名で保存されます。</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>変換してメートル系で保存</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>変換してインチ系で保存</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>この設計をミリ単位でメートル系ウィンドウ用に保存します。</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>この設計をインチ単位でインチ系ウィンドウ用に保存します。</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>設計を変換できません:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>変換した設計 %1 を書き込めませんでした。|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>メートル系</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>インチ系</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; を %2 に保存しました&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: %6ウィンドウで開いてください。</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>製作したアンテナに合わせる</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>同調コイル巻数 (NT) から FAC</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>給電コイル巻数 (SCT) から DPS</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>合わせる項目</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>巻いた同調コイルの巻数から容量係数を、
または給電コイルの巻数から位相角を求めます。</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>巻いた巻数:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>巻いた巻数</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>項目の値を 0.01 刻みですべて試し、それぞれ完全に ReCalc して、
巻数が実際に巻いた巻数に最も近くなる値を見つけます。</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>動作しているアンテナの巻数を入力して「検索」を押してください。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;巻いた巻数を入力してください (例: 31 または 30.5)。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; で %3 = &lt;b&gt;%4&lt;/b&gt; 回 (実際は %5 回)。</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;%2 から %3 までの %1 で、%4 が %5 の半回以内になるものはありません。&lt;/span&gt; 最も近いのは &lt;b&gt;%1 = %6&lt;/b&gt; で、%4 = &lt;b&gt;%7&lt;/b&gt; です。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;ほかの変更: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;ウィンドウでは DPS を小数 1 桁 (%1) で表示します。設計は %2 を保持します。</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>%1 = %2 を適用</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;前回の検索以降に設計が変更されました。これは現在の設計に対する結果です。&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;設計に&lt;b&gt;適用しました&lt;/b&gt;。「保存」で確定します。</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>シリンダー径</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>長さ/直径比</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>線径</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>コイル径</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>容量係数</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>位相コイル径</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>給電コイル径</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>位相角</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>実測帯域幅</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>入力を 1 つスイープ</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>変える入力</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>変化:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>刻み</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>スイープ</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>グラフ:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>スイープ点</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>最大 %1 点。各点でこの設計を完全に ReCalc します。</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>CSV 保存...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>各点のすべてのキー。yq-calc sweep の出力と同じ形式です。</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; は数値ではありません。</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 点。各点で完全に ReCalc します。</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>スイープを %1 として保存できませんでした。|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 点を %2 に保存しました。</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>スイープを CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   製作シート</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   設計ツール</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>アンテナを選択</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   仕様</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   ヘルプ</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>太字の項目は変更できます。それ以外は読み取り専用です。</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>726.ini のような名前でファイルを保存します
7 = 周波数 (mhz)
2 = シリンダー径 (インチ)
6 = 直径と長さの比
先頭の &apos;M&apos; はメートル系の計算を表します。</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>印刷/表示</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>印刷するには先に保存が必要です</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>レポートをメール</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>メールには Outlook を使います。ほかのメーラーでは動かない場合があります。</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>YQ フォーラム</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel を開く</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>結果をメール</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>シリンダーの仕様</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>給電コイルの仕様</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>同調コイルの仕様</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>変更後はこのボタンをクリックして再計算します</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>初期係数は 2 です。シリンダーの容量を 2 で割って
コイルの寸法を再計算します。同時にコイルの
インダクタンスも再計算されます。

アンテナが実際に動作したときの巻数になる
値を入力してください。その後 OK を押して
「保存」します。</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>位相コイルの仕様</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>総合ヘルプ</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>YQ Star 型を構成する各部品を右側に示し、設計ページで使う用語を説明しています。YQ Star をより深く理解するには、Brannoc の YQ 設計ブック (フォーラムからダウンロード可能) を参照してください。</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>アンテナ全長は、シリンダー長 × 2 + シリンダー径 × 2 + 同調コイル長 として計算します。給電コイルは全長に含みません。</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>クリックして YQ フォーラムにログオン</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>YQ Star アンテナの各部</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   測定</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   シミュレーション</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>作業コピー %1 を書き込めませんでした。|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>%1 を開ける表計算プログラムがありません。</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 の周波数特性</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>周波数 (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>まだグラフにするデータがありません。</translation>
    </message>
    <message>
        <source> band</source>
        <translation> バンド</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  設計計算ツール V5.091 - YQ アンテナ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet 代表取締役  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   アンテナ設計</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   インチ系 YQ アンテナ</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   メートル系 YQ アンテナ</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   写真</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    このプログラムについて</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>ZO Duravar Uravaro バナー</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>YQ アンテナ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>バンに取り付けた YQ アンテナ</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Brannoc Quillet の肖像</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   ユーザー</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>測定を開く...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>測定を開いていません (Touchstone .s1p, .s2p, .ts または VNA の CSV)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>巻いた巻数:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>同調コイルに巻いた巻数</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>表示の巻数になる容量係数を設定して ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>結果と調整</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>測定を開く</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>測定を開く</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>測定 (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>測定 %1 に使えるスイープがありません: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>巻いた巻数 &quot;%1&quot; は 0 より大きい巻数ではありません。</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>FAC %1 を適用</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;同調コイル: %3 で共振させるには %1 回巻く (現在 %2 回)&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;完成したアンテナをアナライザーで測定したスイープ (給電点の S11) を開いてください。このタブで共振点と設計周波数に必要な巻数を求めます。&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>SWR (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>設計 %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>同じ範囲でこの設計の NEC-2 モデルを計算中...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>測定と並べる NEC-2 モデルがありません: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>NEC-2 モデル (破線): 同調コイル %1 回のこの設計、測定範囲で計算。%2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>実測</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>NEC-2 モデル</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>YQ アンテナの写真</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>夕暮れの家の屋根の上の YQ アンテナ</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>海辺の三脚に立てた YQ アンテナ</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>作業台での YQ アンテナの製作</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>アンテナアナライザーで試験中の YQ アンテナ</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>ベランダの YQ アンテナ</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>山で使う移動用 YQ アンテナ</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>YQ アンテナの部品</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>冬の夜、家のそばの YQ アンテナ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>仰角 (度)	利得 (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>まだパターンがありません。</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>最大利得 %1 dBi、中心 %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>処理...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>メール送信</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>メールプログラムでメールを開いています...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>ReCalc 後にこのタブが前面にあるとシミュレーションを実行します。</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>モデル(&amp;M):</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>標準: 太いワイヤーと集中定数コイル、1 秒未満。詳細: ワイヤーグリッドのかごとヘリカルコイル、数秒、求まる値は少なめ</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>シミュレーションの進行状況</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>再シミュレーション</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>NEC デッキを出力...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>スイープを保存...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>計算ツールの値と NEC-2 モデルの値の比較</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>グラフの周波数</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>スイープ全体 (0.4 F ～ 2.5 F)</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>計算コイルでの共振付近</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>F 用コイルでの F 付近</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>50 ohm での SWR</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>NEC-2 で設計をシミュレーション中...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>NEC-2 %1モデル: nec2c を %2 回実行、%3 s。</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;守られていない NEC-2 の規則: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>すべてのデッキが NEC-2 の経験則を守っています。</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>%1 MHz の垂直面パターン、%2、軸は垂直</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>F 用コイル</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>計算コイル</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>共振なし、パターンなし。</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>NEC デッキ (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>NEC デッキを %1 として保存できませんでした。|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>NEC デッキを %1 に保存しました。</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>スイープを %1 として保存できませんでした。|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>スイープを %1 に保存しました。</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>スミスチャート</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>系列	周波数 (MHz)	R (ohm)	X (ohm)	反射係数 (実部)	反射係数 (虚部)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>点をコピー</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>スミスチャート、%1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>スイープグラフ</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>入力と範囲を選んで「スイープ」を押してください。</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>グラフにする出力を 1 つ以上選んでください。</translation>
    </message>
    <message>
        <source> band</source>
        <translation> バンド</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      破線: この設計、%1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>レコードを追加します</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>レコードを変更します</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>レコードの表示</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>名前 &amp;&amp; コール(&amp;N):</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>名前 &amp; コール</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>yq1 ファイルの更新</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>名前とコールサインを入力</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>レコードの一覧</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>追加(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>変更(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>ユーザーファイルの一覧</translation>
    </message>
</context>
</TS>

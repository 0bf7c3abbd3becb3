<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Sem escala: o projeto ainda não tem dimensões</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Escala 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Escala %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Folha de montagem da antena YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Projetada para %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Todas as medidas lineares estão em mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Todas as medidas lineares estão em polegadas</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Projeto: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Cilindro superior %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Espaço entre cil. %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Cilindro inferior %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Espaço até bobina %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Bob. sintonia %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Bob. da fonte %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>sem a bobina da fonte</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Cilindro %1 diâm.</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Bob. de fase %1 diâm.</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 espiras, LPW %2 %3 de fio</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(bobina e fios; comprimento livre)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Bob. sintonia %1 diâm.</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 espiras com SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Bob. da fonte %1 diâm.</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 espiras, na alimentação</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>compr. do cilindro</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>espaço entre cil.</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>espaço até a bobina de sintonia</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>compr. bob. sintonia</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>compr. bob. da fonte</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>diâm. do cilindro</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>diâm. bob. de fase</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>diâm. bob. sintonia</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>diâm. bob. da fonte</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>O projeto ainda não tem dimensões: calcule-o antes de construir.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Fora de escala, desenhado maior para ficar visível: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Tracejado: os fios da bobina de sintonia dentro do cilindro inferior. O fio do topo da bobina de sintonia sobe pelo centro do cilindro inferior; o fio da base dela sobe pela borda interna.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Não definidos pelo projeto: o comprimento enrolado da bobina de fase (ela fica no espaço entre cilindros) e a posição da bobina da fonte no ponto de alimentação; LPW é o fio de fase inteiro. As espiras são desenhadas como traços, no máximo um a cada 0.02 in de bobina: os rótulos dão as espiras.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Lista de corte</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindros</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Tubo não ferroso, diâmetro externo %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 cada</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Fio bob. sintonia</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Fio %1, NT %2 espiras com SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>numa fôrma de %1, comprimento enrolado %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Fio de fase</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Fio %1, bobina de PCNT %2 espiras</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>numa fôrma de %1, no espaço entre cilindros</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Fio bob. da fonte</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Fio %1, SCT %2 espiras juntas</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Fio total</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Peça</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qtd.</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Material e medida</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Compr.</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Bitolas mais próximas</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (todas bobinas)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (bob. da fonte)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Fio</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>AWG mais próx.</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>SWG mais próx.</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Sem diâmetro de fio</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Imprimir folha de montagem da fila</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>calcula um projeto: parte de um projeto novo (todos os campos 0) ou de --file, guarda cada KEY=VALUE (texto decimal exato, arredondado para longe do zero nas casas do campo), executa o cálculo e imprime todas as chaves</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>um caso por linha na entrada padrão, uma linha de saída (ou &quot;error&quot;) por caso</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>SALVAR na pasta atual: grava o arquivo de projeto com nome formado por F, CD e LD, acrescenta sua linha a YQ.csv e imprime o caminho do arquivo de projeto</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>lista os registros de usuários da pasta atual (o primeiro é impresso nos relatórios e gravado em YQ.csv), inclui um ou exclui um</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>o relatório de projeto de um arquivo de projeto: em PDF, ou exportado como no comando de e-mail (Report.RTF, sua página HTML e o rascunho da mensagem em VH/ da pasta atual, com os caminhos impressos)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>a folha de montagem de um arquivo de projeto (o desenho cotado e a lista de corte), calculada como faz a janela de projeto do seu sistema de unidades, em um ou mais formatos: PDF, SVG e PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>ajusta o fator de capacitância FAC às espiras NT da bobina de sintonia, ou os graus de fase DPS às espiras SCT da bobina da fonte, de uma antena construída (status de saída 3 quando nenhum valor chega a menos de meia espira; o mais próximo é impresso)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>lê a varredura de um analisador feita na antena construída (Touchstone .s1p, .s2p, .ts ou CSV de um programa de VNA), encontra a ressonância série, a ROE mínima e a largura de banda de ROE 2:1, e dá as espiras da bobina de sintonia para a frequência de projeto com o fator de capacitância correspondente (status de saída 2 para arquivo inválido ou danificado, 3 quando ele não contém varredura utilizável)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>calcula o projeto para cada valor de uma entrada numa faixa, uma linha CSV por valor</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>converte um arquivo de projeto entre polegadas e milímetros e o salva com o nome do outro sistema de unidades na pasta atual</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>simula o projeto no NEC-2 (executa o nec2c) e imprime os valores da calculadora ao lado dos do modelo: a ressonância série, a bobina de que o modelo precisa em F, a impedância, Q, larguras de banda, ROE, eficiência e ganho; csv e s1p imprimem a varredura (Touchstone S11 em relação a 50 ohm); status de saída 1 quando o nec2c falta ou falha</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Calcula projetos de antena YQ com o cálculo das janelas de projeto, sem as janelas: um projeto pela linha de comando, muitos pela entrada padrão, e ainda o SALVAR, a lista de usuários, o relatório, a folha de montagem e as ferramentas de projeto das janelas.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>o projeto está em milímetros (a janela de projeto métrica)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>parte de um arquivo de projeto, lido como uma janela de projeto o lê (com aviso quando o sistema de unidades dele é o outro)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>executa o cálculo completo N vezes (padrão 1; 0 só guarda os valores)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>executa só o recálculo parcial indicado de um campo da janela em vez do completo: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>como o projeto é impresso: line (o padrão: todas as chaves como KEY=value numa linha), table (uma grandeza por linha com o rótulo da janela, o valor no formato da janela e a unidade, na ordem da janela), json (um objeto com todas as chaves e seu texto decimal exato como string) ou csv (a linha de títulos e a linha da tabela de resultados YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>o idioma da ajuda e das mensagens: en, de, ja, ru, it, es, pl, pt_BR, fr, cs ou nl (padrão: o do ambiente de trabalho, a partir de LANGUAGE, LC_ALL, LC_MESSAGES ou LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Opções do relatório</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>grava o relatório como arquivo PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>grava Report.RTF, a página HTML e o rascunho da mensagem em VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>a data de impressão no relatório (padrão: hoje)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Opções de simulação</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>o modelo NEC-2: standard (fios grossos para os cilindros, bobinas concentradas)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>o modelo detalhado (gaiolas de malha de fios, bobinas helicoidais, os terminais; alguns segundos, andamento na saída de erro padrão de um terminal, Ctrl+C interrompe): só a ressonância, a resistência de radiação, o ganho e a eficiência</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (o padrão), json, csv (a varredura) ou s1p (a varredura em Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>grava também o deck NEC do modelo, que os programas NEC-2 abrem</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Opções da folha de montagem</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>grava a folha de montagem como arquivo PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>grava-a como desenho SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>grava-a como imagem PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Status de saída:
  0   sucesso
  1   um arquivo não pôde ser lido ou gravado; em --batch, uma linha não pôde ser
      calculada (imprime &quot;error&quot;, as outras linhas são calculadas)
  2   entrada inválida (chave ou opção desconhecida, valor que não é número decimal);
      a mensagem a indica na saída de erro padrão</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet precisa de --pdf, --svg ou --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>arquivo de projeto não encontrado: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>o arquivo de projeto %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>a folha de montagem precisa de um objeto de aplicativo gráfico</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>número de execuções inválido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 caracteres)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>o valor de %1 não é um número decimal: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>o valor de %1 é grande demais para qualquer campo (mais de %2 dígitos antes do ponto): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>esperado KEY=VALUE, recebido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>chave desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção &apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>a opção &apos;--file&apos; precisa de um caminho</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>recálculo parcial desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; é uma pasta, não um arquivo de projeto</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>arquivo de projeto &apos;%1&apos; não encontrado</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; não aceita outros argumentos</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>o valor de %1 não cabe no seu campo: %2 (%1 vai de -%3 a %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>no arquivo de projeto, o valor de %1 não cabe no seu campo e foi cortado ao que o campo comporta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>no arquivo de projeto, os valores de %1 não cabem nos seus campos e foram cortados ao que o campo comporta</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; não aceita &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>não foi possível gravar o arquivo de projeto %1: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>não foi possível gravar a linha de resultados: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>nenhum registro de usuário &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>a opção &apos;--format&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>formato desconhecido &apos;%1&apos; (line, table, json ou csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 precisa de um arquivo de projeto</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>data inválida &apos;%1&apos; (esperado YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report precisa de --pdf OUT.pdf ou --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>o relatório precisa de um objeto de aplicativo gráfico</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; precisa de standard ou detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; precisa de table, json, csv ou s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; aceita um arquivo de projeto, recebeu também &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; precisa de um arquivo de projeto</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>modelo desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>modelo detalhado, %1 % concluído</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; não aceita &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; não aceita &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; precisa de NT=&lt;turns&gt; ou SCT=&lt;turns&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; aceita um alvo, recebeu também &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>as espiras &apos;%1&apos; em &apos;%2&apos; não são um número decimal</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>as espiras &apos;%1&apos; em &apos;%2&apos; não estão acima de 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; é o que o ajuste encontra; omita-o</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>nenhum %1 de %2 a %3 dá %4 a menos de meia espira de %5; o mais próximo, %1=%6, dá %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; precisa de KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; varia uma entrada, recebeu também &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>a opção &apos;--to&apos; precisa de &apos;metric&apos; ou &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: esperado &apos;metric&apos; ou &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; aceita um arquivo de projeto, recebeu também &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; precisa de um arquivo de projeto</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; precisa de &apos;--to metric&apos; ou &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>o arquivo de projeto &apos;%1&apos; declara o sistema de unidades %2, que não é Imperial (0) nem Métrico (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>o arquivo de projeto &apos;%1&apos; já é um projeto métrico</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>o arquivo de projeto &apos;%1&apos; já é um projeto imperial</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; precisa de table ou json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; precisa das espiras enroladas</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; precisa de um número de espiras acima de 0, recebeu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; precisa de um arquivo de projeto e de uma medição</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>A medição %1 não contém nenhuma varredura utilizável: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>não é possível executar %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>os comandos de página precisam de %1, que não está instalado (procurado em %2 e %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Digite a frequência central em megahertz. 
No máximo 3 casas decimais.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Digite o diâmetro externo do cilindro em polegadas</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>A relação C/D e o diâmetro são usados para
calcular a capacitância primária em pF, a
reatância em ohms, a largura de banda a 3 dB e o
&apos;Q&apos; da antena.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>A largura de banda medida em kHz é a leitura de
ROE 2:1 de cada lado da ROE mínima.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Opção para calcular a indutância da bobina da fonte
com base no defasamento. O valor inicial
é de 6 graus, como na bobina de fase. Quando 
sua antena estiver funcionando, digite um valor para
gerar o número final de espiras da 
bobina da fonte.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Normalmente o mesmo diâmetro da bobina de sintonia. 
Mas você pode variar conforme precisar.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Bobinas de espiras juntas costumam ter passo igual
ao diâmetro do fio.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>O fator divide por 2 a relação entre o comprimento do cilindro e o da bobina
e depois aplica o fator que você indicar. Clique
no botão Recalc para aplicar.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Para calcular o tamanho corretamente, clique 
neste campo para gerar de novo a indutância e 
recalcular o tamanho da bobina.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Basta seguir as indicações. Cada campo tem uma janela de ajuda que explica o campo. Depois de digitar a bitola e o passo do fio, clique no botão ReCalc. Isso executa vários cálculos em sequência para obter a indutância e o tamanho finais da bobina. Depois de construir e testar sua antena, se você perceber que as espiras calculadas diferem das que deram a maior saída com a menor ROE, altere o campo Fator até obter o número de espiras da sua antena pronta. No início o fator será 2. Use casas decimais para chegar ao número de espiras mais próximo. Envie essas informações para mim por e-mail a partir do formulário principal, no canto inferior esquerdo. Essas informações são necessárias para termos uma ideia mais exata do fator a usar, para que a versão final deste programa seja precisa. É a história do ovo e da galinha. No início não sabemos a indutância necessária para a ressonância, então usamos uma estimativa. Depois a refinamos definindo um fator. Isso nos dá a indutância, o comprimento da bobina e o número de espiras corretos. Por isso precisamos da sua ajuda para concluir o projeto final.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Calculadora de Projeto YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Escolha o arquivo a abrir</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Valor inválido. Os valores válidos vão de|1 a 99. Digite novamente</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Você está imprimindo uma antena|métrica. As medidas serão em mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>Não foi possível ler %1</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>o caminho tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>não foi possível abrir o arquivo de resultados %1</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>não foi possível bloquear o arquivo de resultados %1</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>o arquivo de resultados %1 está em uso por outro programa</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>não foi possível ler o arquivo de resultados %1</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (o arquivo pode terminar numa linha incompleta)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>não foi possível gravar a linha de resultados em %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>a linha de resultados foi acrescentada a %1, mas não pôde ser gravada no disco: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Não foi possível gravar o arquivo de projeto %1.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>O projeto foi salvo, mas não foi possível gravar a linha de resultados:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>está bloqueado por outro programa</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Não é possível ler o arquivo de usuários %1: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>não contém registros de usuários (não é um arquivo de usuários)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>está danificado (cortado no meio de uma página)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>O nome e o indicativo não podem conter caracteres de controle (quebras de linha, tabulações).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>O nome e o indicativo podem ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Não foi possível incluir o registro: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Não foi possível alterar o registro (ele pode ter sido excluído).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Não foi possível excluir o registro: o arquivo de usuários não existe.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Não foi possível excluir o registro (ele pode já não existir).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Varrer</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Ressonâncias série</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Ressonância série</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Sintonia por</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedância ali</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>ROE mínima (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>LB de ROE 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Frequência de projeto</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Indutância série na alimentação</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Capacitância efetiva</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Indutância para a frequência de projeto</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Bobina de sintonia</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Compr. da bobina</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Compr. do fio</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fator de capacitância</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Sintonia</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  ou:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Exemplo: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licença GPL-2.0-or-later: GNU GPL versão 2 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você pode alterá-lo e redistribuí-lo livremente.
NÃO HÁ GARANTIA, na máxima extensão permitida por lei.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Bem-vindo ao maravilhoso mundo das antenas YQ. Finalmente conseguimos o que muitos diziam ser impossível: o desenvolvimento de um novo conceito de antena. Durante 120 anos, a antena de fio ressonante de Hertz foi considerada a única maneira de construir uma antena. Não aceitamos isso, e o conceito de antena YQ é o resultado. Ele oferece vantagens em todos os parâmetros de antena: tamanho reduzido, alta eficiência, grande largura de banda e interferência eletromagnética muito baixa. Durante o desenvolvimento, deparamos com uma nova descoberta da física ligada a ele, e essa descoberta nos levou a mais um conceito de antena, que esperamos apresentar a você em breve.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Aqui estão as informações para você projetar antenas para várias bandas de radioamador. Esperamos que você aproveite estas informações e as antenas que construir. Já existe um número incontável delas no ar, e muitas outras se somam a cada dia.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet é radioamador desde os tempos de escola, quando construiu seu primeiro receptor de galena com peças de um telefone velho. Formou-se engenheiro eletricista e passou muitos anos projetando transmissores para radiodifusão e rádio marítimo. Curioso por saber por que as antenas pequenas eram sempre tidas como más radiadoras, começou a fazer experiências com cilindros curtos e bobinas em sua oficina, e desse trabalho nasceu a antena YQ. Hoje ele dirige a ZO Duravar Uravaro, uma pequena empresa de engenheiros e radioamadores que desenvolve aplicações da antena YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Apresentamos estas fotos para mostrar o que está sendo realizado no mundo inteiro com antenas YQ. Deixaremos que as fotos falem por si. Se quiser ver sua antena aqui, envie por e-mail uma foto boa e nítida para %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Escrito pelo nosso programador a partir de fórmulas fornecidas por Brannoc Quillet. É um trabalho em andamento, pois precisamos do retorno de usuários como você que tenham construído e usado com sucesso uma antena YQ. Precisamos conhecer as especificações que você </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>usou para chegar a uma antena que funciona. Preencha os detalhes e envie-os por e-mail para nossa análise.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Digite a frequência em megahertz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Resistência de radiação</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Resist. de radiação pela largura de banda medida</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Diâmetro do cilindro :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Diâmetro do cilindro em mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Relação compr./diâmetro desejada</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Capacitância calculada do cilindro pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reatância (Xc) em ohms</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>LB a +/- 3db em kHz</translation>
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
        <translation>Comprimento total da antena :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Compr. total da antena em mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Largura de banda medida em kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Variação da RR medida</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Diâmetro do fio :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Diâmetro do fio em mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Passo :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Passo em mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Espiras por polegada calculadas</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Espiras por mm calculadas</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Capacitância cilindro-fio em pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Capacitância estimada da bobina pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Indutância da bobina em uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Número de espiras necessário</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>espiras</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Compr. da bobina :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Compr. da bobina em mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Compr. de fio necessário em pol.</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Compr. de fio necessário em mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Comprimento do cilindro :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Compr. do cilindro em mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Diâmetro da bobina :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Diâmetro da bobina em mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Compr. em % do compr. de onda:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Compr. do fio de fase :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Compr. do fio de fase</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Diâm. da bobina de fase:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Espiras bob. de fase</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fator de capacitância</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Eficiência da antena</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Perda em DB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Espiras bob. da fonte</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Compr. da bobina da fonte :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Compr. bobina da fonte em mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Indutância bob. da fonte em uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Diâm. da bobina da fonte:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Fio da bobina da fonte :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Compr. fio bobina da fonte</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Diâm. fio da bobina da fonte</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Diâm. fio bob. da fonte em mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reatância bob. fonte a 40ohms</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Graus de fase:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graus</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>idioma desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>escolha entre %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang precisa de um código de idioma</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>O sistema operacional está sem memória/recursos. Arquivo:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Ocorreu um erro desconhecido do ShellExecute. Arquivo:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>O arquivo especificado não foi encontrado. Arquivo:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>O caminho especificado não foi encontrado. Arquivo:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>O sistema operacional negou acesso ao arquivo especificado. Arquivo:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Não havia memória suficiente para concluir a operação. Arquivo:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>O arquivo .exe é inválido (.exe não Win32® ou erro na imagem do .exe). Arquivo:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Ocorreu uma violação de compartilhamento. Arquivo:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>A associação do nome de arquivo está incompleta ou é inválida. Arquivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Não foi possível concluir a transação DDE porque o tempo da solicitação esgotou. Arquivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>A transação DDE falhou. Arquivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Não foi possível concluir a transação DDE porque outras transações DDE estavam sendo processadas. Arquivo:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Não há aplicativo associado à extensão de nome de arquivo informada. Arquivo:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada. Arquivo:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Arquivo:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>O arquivo de resultados não foi encontrado.|Cada SALVAR acrescenta uma linha a ele: salve um projeto primeiro.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Nenhum programa de planilha está configurado para abrir arquivos CSV.|Instale um ou escolha o programa para arquivos CSV nas configurações do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>O programa configurado para abrir arquivos CSV não pode ser iniciado:|sua entrada de área de trabalho está ausente ou é inválida.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Erro do Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>o programa de e-mail</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Nenhum programa de e-mail está registrado neste ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>O programa de e-mail registrado (%1) não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 não aceita o corpo HTML da mensagem.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>O programa de e-mail pode não ter recebido os anexos da mensagem e não aceita o corpo HTML dela.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>O programa de e-mail pode não ter recebido os anexos da mensagem.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>O programa de e-mail não aceita o corpo HTML da mensagem.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Não foi possível iniciar o programa de e-mail: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Não foi possível iniciar o programa de e-mail: xdg-email não está instalado.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Não foi possível iniciar o programa de e-mail.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logotipo da antena YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Antena YQ Star: disposição geral com as peças identificadas</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>As peças da antena YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Faixa da Calculadora de Projeto de Antenas YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Uma antena YQ num mastro de jardim</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Uma antena YQ montada num motorhome</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Retrato ilustrado: um radioamador na bancada do rádio</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Uma antena YQ no telhado de uma casa ao pôr do sol</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Uma antena YQ portátil num tripé à beira-mar</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Enrolando a bobina de sintonia na bancada</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Sintonizando uma antena YQ com um analisador de antenas</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Uma antena YQ na sacada de um apartamento</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Uma antena YQ no cume de uma montanha</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>As peças de uma antena YQ dispostas na bancada</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Uma antena YQ numa noite de inverno</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Ícone do programa YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Ícone Sobre: radioperador</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Cursor de mão para links</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>A calculadora de projeto YQ: projete a antena YQ em polegadas ou milímetros, salve projetos e a tabela de resultados YQ.csv na pasta de trabalho, imprima o relatório do projeto e envie os resultados por e-mail.

O programa abre a janela principal; as janelas de projeto se abrem pelo menu dela. Os arquivos ficam na pasta de trabalho (a pasta do último arquivo de projeto aberto).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>o idioma das janelas nesta execução: en, de, ja, ru, it, es, pl, pt_BR, fr, cs ou nl (padrão: o do ambiente de trabalho, a partir de LANGUAGE, LC_ALL, LC_MESSAGES ou LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>registra o serviço de hiperlinks das janelas de projeto na saída de erro padrão: cada linha começa com &quot;RazedUveziz: &quot; (registros, eventos, os comandos executados, navegador ou programa de e-mail não encontrado)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>registra cada consulta malsucedida ao navegador ou ao programa de e-mail do ambiente de trabalho (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>registra as tentativas da verificação do manipulador de cada link (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>o plug-in de exibição do Qt (xcb, wayland, offscreen); as demais opções do Qt também são aceitas</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>As chaves de rastreamento podem ser dadas juntas e em maiúsculas ou minúsculas (/hadebug). Os registros vão
para a saída de erro padrão, nunca para a tela.

Status de saída:
  0   a janela principal foi fechada (Encerrar)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>nada foi desenhado para %1</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>impossível desenhar %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>não contém nenhuma imagem (%1 bytes)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>está incompleta (%1 de %2 bytes)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Não foi possível ler a imagem da página %1</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>O relatório não tem páginas.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Nenhum programa de e-mail disponível.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, seguem em anexo meus resultados YQ</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Meus resultados finais da YQ</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|O relatório lista os projetistas a partir do arquivo de usuários, por isso não foi impresso.|O arquivo de usuários não foi alterado.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Não foi possível gravar o documento do relatório.|%1|A mensagem será aberta sem o relatório.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Não foi possível preparar a mensagem do relatório.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Não foi possível anexar estes arquivos à mensagem:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Não foi possível salvar uma cópia da mensagem como|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|A mensagem foi salva como|%2|Abra-a no seu programa de e-mail para enviá-la.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Não foi possível salvar a mensagem como|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|A mensagem completa foi salva como|%2|Abra essa no seu programa de e-mail para enviá-la inteira.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Enviar e-mail</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Antena YQ *Star* projetada para</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Todas as medidas lineares estão em</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindros</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Bobina de sintonia</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Bobina de fase</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Bobina da fonte</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Diâmetro do cilindro</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Relação comprimento/diâmetro</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Compr. do cilindro</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Espaço entre cilindros</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Capacitância do cilindro em pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reatância (XC) em ohms</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Resistência de radiação em ohms</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>LB a +/- 3db em kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>&apos;Q&apos; da antena</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Compr. da antena c/ bobinas</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Diâmetro do fio de todas as bobinas</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Passo do fio das bobinas</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Diâm. bobina de sintonia</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Indutância bob. sintonia uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Número de espiras</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Compr. da bobina</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Compr. fio da bobina</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fator de capacitância</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Diâmetro bobina de fase</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Compr. do fio</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Diâmetro bobina da fonte</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Espiras bob. da fonte</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Compr. fio bobina da fonte</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Os cilindros devem ser de metal não ferroso para reduzir as perdas.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>O espaço entre os cilindros é fundamental para o sucesso.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>O espaço entre o cilindro inferior e o topo da bobina de sintonia deve ser igual ao diâmetro do cilindro.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>O fio da base da bobina de sintonia deve subir pela borda interna do cilindro inferior.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>O fio do topo da bobina de sintonia deve subir pelo centro do cilindro inferior.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>As fôrmas das bobinas (o tubo) devem ser testadas no micro-ondas para ver se aquecem com excitação de RF.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Se esquentar no micro-ondas, não use, pois está absorvendo energia de RF.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Depois de pronta, a antena inteira deve ser impermeabilizada.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Siga as instruções do livro de Brannoc para o ajuste de máxima radiação e mínima ROE.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Projetado por:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Imprimir da fila</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
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
        <translation>A linha %1 do deck não pode ser lida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; não é um número no cartão %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>o cartão %1 precisa de %2 números</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>A linha %1 do deck não pode ser verificada</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>um cartão GM que copia ou gira não é lido aqui</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>O deck não pede nenhuma frequência (sem cartão FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>O fio %1 não tem comprimento ou segmento; o nec2c pode rodar para sempre nele.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Os segmentos do fio %1 têm %2 comprimento de onda em %3 MHz, a menor frequência; o NEC-2 pede no mínimo 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Os segmentos do fio %1 têm %2 comprimento de onda em %3 MHz, a maior frequência; o NEC-2 pede no máximo 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Os segmentos do fio %1 têm %2 vezes o seu raio de comprimento; o NEC-2 pede no mínimo %3 com o kernel estendido de fio fino.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Os segmentos do fio %1 têm %2 vezes o seu raio de comprimento; o NEC-2 pede no mínimo %3 sem EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Os fios %1 e %2 se sobrepõem nos mesmos %3 m; o nec2c dá uma impedância sem sentido para eles.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Os fios %1 e %2 se unem com raios %3 vezes diferentes; o kernel estendido de fio fino não é válido onde o raio muda.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Os fios %1 e %2 se unem com raios %3 vezes diferentes; o NEC-2 pede no máximo 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>O deck não tem alimentação (sem cartão EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>A alimentação está no segmento %1 do fio %2, que não existe.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Modelo NEC-2 detalhado: espaço livre, sem linha de alimentação, os cilindros como gaiolas de malha de fios de alumínio, as bobinas de sintonia e de fase como hélices de cobre com seus terminais como a folha de montagem os desenha, a bobina da fonte concentrada na alimentação.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Modelo NEC-2 padrão: espaço livre, sem linha de alimentação, os cilindros como fios grossos de alumínio, as três bobinas como um único R + L série concentrado na alimentação, com os valores de bobina da calculadora.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>não é possível iniciar o nec2c</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Não é possível criar uma pasta para o nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Não é possível gravar o deck para o nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>o nec2c parou antes de terminar</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>ele travou</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>ele saiu com status %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>o nec2c falhou</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>o nec2c não gerou saída</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>deck.out não existe</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>A simulação precisa do nec2c, que não está instalado: instale-o com &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>A simulação precisa do nec2c, que não está em %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>o nec2c foi interrompido</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>ele rodou além do seu limite de %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>A simulação foi cancelada.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>não é possível ler a saída do nec2c</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>ela contém mais frequências do que as %1 do deck</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>os parâmetros de entrada da frequência %1 não têm linha de números</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>a impedância na frequência %1 não é um número</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>um diagrama de radiação não tem cabeçalhos</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>ela contém %1 das %2 frequências do deck</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>A banda de meia potência casada é mais larga que a varredura fina.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>A banda de meia potência em 50 ohm é mais larga que a varredura fina.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Com a bobina calculada, o modelo não tem ressonância série entre 0.4 F e 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>O nec2c não deu balanço de potência nem ganho médio na ressonância.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>A bobina para F não é calculada neste modelo.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>O projeto não tem frequência</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F é 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>O projeto não tem cilindros</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD ou LD é 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>O modelo detalhado precisa de uma bobina de sintonia</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP ou CCD é 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Nenhuma bobina de sintonia faz o modelo ressoar em F: ali ele precisa de uma capacitância série.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Com a bobina redimensionada, X não passa por 0 subindo dentro de 1 % de F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Seus segmentos chegam a %1 comprimento de onda em F (o NEC-2 pede no mínimo 0.001) e suas gaiolas e terminais violam as regras do NEC-2, então o R e o X na alimentação, e o Q, as larguras de banda e a ROE derivados deles, não são válidos: ele dá a ressonância, a resistência de radiação, o ganho e a eficiência só a partir do campo distante.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Ressonância série</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Indutância bob. sintonia</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Espiras bob. sintonia</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>L série na alimentação</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impedância em F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R na ressonância (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Resistência de radiação</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>LB meia potência, casada</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>LB ROE 2:1, casada</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>LB meia potência em 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>LB ROE 2:1 em 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>ROE mínima em 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiência</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perda</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Ganho máximo</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Regra não respeitada: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>execuções do nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calculadora</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, bobina calculada</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, bobina para F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>inválido</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>não calculado</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>Não é possível ler a medição %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>um caractere de controle (byte %1) onde só pode haver texto: este não é um arquivo de texto</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>texto após [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>uma segunda linha de opções</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 onde se espera uma palavra-chave entre colchetes</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] tem valores de menos</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>o arquivo termina no meio de um ponto: %1 de seus %2 valores</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>um arquivo Touchstone 2.0 sem [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] indica %1, o arquivo contém %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>sem linha de opções: assumido GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>parâmetros de ruído a partir da linha %1 ignorados</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>uma palavra-chave sem o &quot;]&quot; de fechamento</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] deve ser a primeira linha que não é comentário</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 não é uma versão que este programa leia (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>a palavra-chave [%1] num arquivo sem [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 não é um número de portas</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 não é 12_21 nem 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 não é uma contagem</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] antes de [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 não é Full, Lower ou Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] antes de [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] antes da linha de opções</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>um arquivo de duas portas sem [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>os dados de rede terminam no meio de um ponto</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] não é uma palavra-chave do Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>a referência %1 não é um número</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>a impedância de referência %1 ohm não está acima de 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] tem mais valores do que há portas</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>a linha de opções indica a unidade de frequência duas vezes</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>a linha de opções indica o parâmetro duas vezes</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>os parâmetros %1 não contêm coeficiente de reflexão que este programa leia; salve parâmetros S, Z ou Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>a linha de opções indica o formato dos dados duas vezes</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>a linha de opções dá a referência duas vezes</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; sem sua impedância de referência</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 não faz parte da linha de opções (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>parâmetros Z e Y de redes de mais de duas portas não são lidos; salve parâmetros S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>a frequência %1 não sobe acima da anterior (%2 na linha %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>a frequência %1 está abaixo de 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>a frequência %1 é grande demais</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>o ponto não termina onde termina uma linha: falta um valor ou há um a mais (aqui um ponto tem %1 valores)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>os valores do ponto em %1 não dão coeficiente de reflexão finito</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>de novo a frequência %1 da linha %2, com %3 valores onde um ponto tem %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>a linha %1 repete a frequência %2 da linha %3; a repetição foi omitida</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>um caractere de controle onde só pode haver texto: este não é um arquivo de texto</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>os cabeçalhos indicam %1 colunas; uma varredura precisa da frequência e de mais duas</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 valor onde são necessários a frequência e mais dois</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 valores onde são necessários a frequência e mais dois</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>as linhas a partir da linha %1 (%2) são outra varredura, diferente de %3, e foram omitidas</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 não é uma frequência</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>a impedância não dá coeficiente de reflexão finito</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 porta</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 portas</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 ponto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 pontos</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>Não é possível abrir a medição %1</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>não existe ou não pode ser lido</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>tem mais de 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>a leitura falhou</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Sintonia</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Todas as medidas estão em polegadas</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Escolha incorreta. Você escolheu|um projeto métrico por engano.|Escolha o projeto métrico.|NÃO salve esta versão!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Pressione ESC &amp; escolha a opção métrica!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Escolha incorreta. Você escolheu|um projeto imperial por engano.|Escolha o projeto imperial.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Pressione ESC &amp; escolha o projeto imperial</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Todas as medidas estão em mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Cálculos da antena YQ... Imperial</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>As medidas lineares estão em polegadas</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Todas as dimensões das bobinas se baseiam no passo indicado. As dimensões lineares estão em polegadas. A maioria dos campos tem ajuda ao passar o mouse. Todas as bobinas usam o mesmo diâmetro de fio e o mesmo passo.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Arquivos Ini de antena M = Métrico|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Cálculos da antena YQ... Métrico</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>As medidas lineares estão em mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Todas as dimensões das bobinas se baseiam no passo indicado. As dimensões lineares estão em mm. A maioria dos campos tem ajuda ao passar o mouse. Todas as bobinas usam o mesmo diâmetro de fio e o mesmo passo.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Arquivos Ini de antena M = Métrico|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Os registros são excluídos da lista de usuários, não deste formulário.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar exclusão</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Tem certeza de que deseja excluir o registro selecionado?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Mensagem de erro YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Fechar e voltar...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>Sobre este programa V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Desenho de montagem</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Folha de montagem: a antena em escala e o que cortar e enrolar</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Imprimir montagem</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Mostra a folha de montagem na visualização de impressão, para imprimi-la</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Para milímetros</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Para polegadas</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Comprimentos x 25.4, arredondados nos campos métricos; F, L/D, MBW, FAC e DPS
como estão; depois o ReCalc métrico. O projeto é salvo na pasta
de trabalho com o nome de arquivo da janela métrica (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Comprimentos / 25.4, arredondados nos campos imperiais; F, L/D, MBW, FAC e DPS
como estão; depois o ReCalc imperial. O projeto é salvo na pasta
de trabalho com o nome de arquivo da janela imperial.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Converter e salvar como métrico</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Converter e salvar como imperial</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Salva este projeto em milímetros para a janela métrica.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Salva este projeto em polegadas para a janela imperial.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Não é possível converter o projeto:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Não foi possível gravar o projeto convertido %1.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; salvo em %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: abra-o na janela %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Ajustar à antena construída</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC p/ espiras bob. sintonia (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS p/ espiras bob. da fonte (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Campo a ajustar</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Fator de capacitância a partir das espiras que você enrolou na bobina de sintonia,
ou graus de fase a partir das espiras da bobina da fonte.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Espiras enrol.:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Espiras enrol.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Testa cada valor do campo, de 0.01 em 0.01, cada um com um ReCalc completo,
e encontra aquele cujas espiras mais se aproximam das que você enrolou.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Digite as espiras da sua antena em funcionamento e pressione Buscar.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Digite o número de espiras que você enrolou, por exemplo 31 ou 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; dá %3 = &lt;b&gt;%4&lt;/b&gt; espiras (você enrolou %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Nenhum %1 de %2 a %3 dá %4 a menos de meia espira de %5.&lt;/span&gt; O mais próximo é &lt;b&gt;%1 = %6&lt;/b&gt;, que dá %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Também muda: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;A janela mostra DPS com uma casa decimal (%1); o projeto guarda %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Aplicar %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;O projeto mudou desde a última busca; este é o ajuste para ele agora.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Aplicado&lt;/b&gt; ao projeto; SALVAR o guarda.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Diâmetro do cilindro</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Relação comprim./diâmetro</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Diâmetro do fio</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Diâmetro da bobina</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Fator de capacitância</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Diâm. da bobina de fase</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Diâm. bobina da fonte</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Graus de fase</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Largura de banda medida</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Variar uma entrada</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Entrada a variar</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Variar:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Varrer</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Gráfico:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Pontos varridos</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Até %1 pontos, cada um com um ReCalc completo deste projeto.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Salvar CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Todas as chaves de todos os pontos, como yq-calc sweep as grava.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; não é um número.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 pontos, cada um com ReCalc completo.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Não foi possível salvar a varredura como %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 pontos salvos em %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Salvar a varredura como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Montagem</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Ferramentas</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Escolher antena</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Especificações</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Ajuda</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Os itens em negrito podem ser alterados. Todos os outros são somente leitura.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Salva o arquivo com um nome como 726.ini
7 = frequência em MHz
2 = diâmetro do cilindro em polegadas
6 = relação diâmetro/comprimento
Um &apos;M&apos; como primeira letra indica cálculos métricos.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Imprimir/Ver</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Você PRECISA salvar antes de imprimir</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Enviar relatório</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Usa o Outlook para e-mail. Outros programas podem não funcionar.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Fórum YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Enviar dados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Especif. do cilindro</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Especif. bobina da fonte</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Especif. bobina de sintonia</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Clique neste botão para recalcular depois de fazer alterações</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>O fator inicial é 2. Ele divide a capacitância do cilindro
por 2 para recalcular o tamanho da bobina. Isso também
recalcula a indutância da bobina.

Use um número que dê o número de espiras que você
usou para fazer o sistema funcionar. Depois OK
para SALVAR.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Especif. bobina de fase</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Arquivo de ajuda geral</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Os vários componentes que formam a versão YQ Star estão listados à direita, para esclarecer os termos usados na página de projeto. Consulte o YQ Design Book de Brannoc (disponível para download no fórum) para entender melhor a YQ Star.</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>O comprimento total da antena é calculado como comprimento do cilindro * 2, mais diâmetro do cilindro * 2, mais o comprimento da bobina de sintonia. A bobina da fonte não entra no comprimento.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Clique para entrar no fórum YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>As peças da antena YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Medição</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulação</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Não foi possível gravar a cópia de trabalho %1.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Nenhum programa de planilha conseguiu abrir %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 em função da frequência</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequência (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Nada para plotar ainda.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> (banda)</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Calculadora de Projeto V5.091 - Antenas YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, diretor-geral  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Projeto de antena</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Antena YQ imperial</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Antena YQ métrica</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Fotos</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    Sobre o programa</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Faixa da ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Uma antena YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Uma antena YQ numa van</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Retrato de Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Usuários</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Abrir medição...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Nenhuma medição aberta (Touchstone .s1p, .s2p, .ts ou CSV de VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Espiras enrol.:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Espiras enroladas na bobina de sintonia</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Define o fator de capacitância cujo projeto dá as espiras mostradas e faz o ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Resultados e sintonia</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Abrir uma medição</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Abrir medição</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Medições (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>A medição %1 não contém nenhuma varredura utilizável: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Não lido: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>As espiras enroladas &quot;%1&quot; não são um número de espiras acima de 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Aplicar FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bobina de sintonia: enrole %1 espiras (agora %2) para ressonância em %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Abra a varredura que seu analisador salvou da antena pronta (S11 no ponto de alimentação). A aba encontra a ressonância e as espiras para a frequência de projeto.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>ROE (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>projeto %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Modelo NEC-2 deste projeto na mesma faixa: em execução...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Nenhum modelo NEC-2 junto à medição: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Modelo NEC-2 (tracejado): este projeto com a bobina de sintonia de %1 espiras, na faixa medida. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>medido</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Modelo NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Fotos de antenas YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Antena YQ num telhado ao entardecer</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Uma antena YQ num tripé na praia</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Montando uma antena YQ na bancada</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Uma antena YQ testada com um analisador de antenas</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Uma antena YQ numa sacada</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Uma antena YQ portátil nas montanhas</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>As peças de uma antena YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Uma antena YQ junto a uma casa numa noite de inverno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevação (graus)	Ganho (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Sem diagrama ainda.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Ganho máximo %1 dBi; centro %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Processar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Enviar e-mail</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Abrindo a mensagem no seu programa de e-mail...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>A simulação é executada quando esta aba está na frente após um ReCalc.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>detalhado</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>padrão: fios grossos e bobinas concentradas, uma fração de segundo; detalhado: gaiolas de malha de fios e bobinas helicoidais, alguns segundos, menos valores</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Andamento da simulação</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Simular de novo</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Exportar deck NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Salvar varredura...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Os valores da calculadora ao lado dos do modelo NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Frequências plotadas</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Varredura inteira, 0.4 F a 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Em torno da ressonância com a bobina calculada</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Em torno de F com a bobina para F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>ROE em 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Simulando o projeto no NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Modelo NEC-2 %1: %2 execuções do nec2c em %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Regra do NEC-2 não respeitada: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Todos os decks respeitam as regras práticas do NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagrama de elevação em %1 MHz, %2, eixo vertical</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>bobina para F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>bobina calculada</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Sem ressonância, sem diagrama.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Decks NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Não foi possível salvar o deck NEC como %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Deck NEC salvo em %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Não foi possível salvar a varredura como %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Varredura salva em %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Carta de Smith</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Série	Frequência (MHz)	R (ohm)	X (ohm)	Reflexão (re)	Reflexão (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Copiar pontos</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Carta de Smith, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Gráfico da varredura</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Escolha uma entrada e sua faixa e clique em Varrer.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Marque pelo menos uma saída para plotar.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> (banda)</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      linha tracejada: este projeto, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>O registro será incluído</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>O registro será alterado</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Nome &amp;&amp; indic.:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Nome &amp; indic.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Atualizar o arquivo yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Digite seu nome e indicativo</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuários</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Lista de registros</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Escolher</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Alterar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Ver arquivo de usuários</translation>
    </message>
</context>
</TS>

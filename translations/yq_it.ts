<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Nessuna scala: il progetto non ha ancora dimensioni</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Scala 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Scala %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Scheda costruzione antenna YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Progettata per %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Tutte le misure lineari sono in mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Tutte le misure lineari sono in pollici</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Progetto: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Cilindro superiore %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Distanza cilindri %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Cilindro inferiore %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Distanza dalla bobina %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Bobina di accordo %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Bobina sorgente %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>bobina sorgente esclusa</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Cilindro diam. %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Bobina di fase diam. %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 spire, LPW %2 %3 di filo</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(bobina e terminali; lunghezza avvolta libera)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Bobina di accordo diam. %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 spire con SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Bobina sorgente diam. %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 spire, al punto di alim.</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>lunghezza cilindro</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>distanza cilindri</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>distanza dalla bobina di accordo</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>lungh. bobina di accordo</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>lunghezza bobina sorgente</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>diametro cilindro</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>diametro bobina di fase</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>diametro bobina di accordo</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>diametro bobina sorgente</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Il progetto non ha ancora dimensioni: calcolatelo prima di costruire.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Non in scala, disegnato più grande per essere visibile: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Tratteggiati: i fili della bobina di accordo dentro il cilindro inferiore. Il filo dalla cima della bobina di accordo sale al centro del cilindro inferiore, quello dalla base sale lungo il bordo interno.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Non fissati dal progetto: la lunghezza avvolta della bobina di fase (sta nello spazio fra i cilindri) e la posizione della bobina sorgente al punto di alimentazione; LPW è l&apos;intero filo di fase. Gli avvolgimenti sono disegnati come tratti, al massimo uno ogni 0.02 in di bobina: le etichette danno le spire.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Distinta taglio</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindri</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Tubo non ferroso, diametro esterno %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 ciascuno</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Filo bobina di accordo</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Filo %1, NT %2 spire con SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>su un supporto di %1, lunghezza avvolta %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Filo di fase</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Filo %1, bobina di PCNT %2 spire</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>su un supporto di %1, nello spazio fra i cilindri</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Filo bobina sorgente</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Filo %1, SCT %2 spire serrate</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Filo totale</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Materiale e misura</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Calibri di filo più vicini</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (tutte le bobine)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (bobina sorg.)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Filo</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>AWG più vicino</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>SWG più vicino</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Nessun diametro filo</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Stampa scheda dalla coda</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>calcola un progetto: parte da un progetto vuoto (ogni campo a 0) o da --file, memorizza ogni CHIAVE=VALORE (testo decimale esatto, arrotondato per eccesso in valore assoluto ai decimali del campo), esegue il calcolo e stampa ogni chiave</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>un caso per riga dallo standard input, una riga di uscita (o &quot;error&quot;) per caso</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>SALVA nella cartella corrente: scrive il file di progetto con il nome ricavato da F, CD e LD, aggiunge la sua riga a YQ.csv, stampa il percorso del file di progetto</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>elenca i record utente della cartella corrente (il primo è stampato sui report e scritto in YQ.csv), ne aggiunge uno o ne elimina uno</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>il report di progetto di un file di progetto: come PDF, o esportato come nel comando e-mail (Report.RTF, la sua pagina HTML e la bozza del messaggio in VH/ della cartella corrente, con i percorsi stampati)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>la scheda di costruzione di un file di progetto (il disegno quotato e la distinta di taglio), calcolata come fa la finestra di progetto del suo sistema di unità, in uno o più formati fra PDF, SVG e PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>adatta il fattore di capacità FAC alle spire NT della bobina di accordo, o i gradi di fase DPS alle spire SCT della bobina sorgente, di un&apos;antenna costruita (stato di uscita 3 se nessun valore arriva entro mezza spira; viene stampato il più vicino)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>legge la scansione dell&apos;antenna costruita fatta da un analizzatore (Touchstone .s1p, .s2p, .ts o CSV di un programma VNA), ne trova la risonanza serie, il ROS minimo e la banda a ROS 2:1, e dà le spire della bobina di accordo per la frequenza di progetto con il fattore di capacità che le ottiene (stato di uscita 2 per un file errato o danneggiato, 3 se non contiene una scansione utilizzabile)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>calcola il progetto per ogni valore di un ingresso su un intervallo, una riga CSV per valore</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>converte un file di progetto fra pollici e millimetri e lo salva con il nome dell&apos;altro sistema di unità nella cartella corrente</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>simula il progetto in NEC-2 (esegue nec2c) e stampa i valori del calcolatore accanto a quelli del modello: la risonanza serie, la bobina che serve al modello a F, l&apos;impedenza, Q, le bande, ROS, efficienza e guadagno; csv e s1p stampano la scansione (Touchstone S11 rispetto a 50 ohm); stato di uscita 1 se nec2c manca o fallisce</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMATO]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Calcola progetti di antenne YQ con il calcolo delle finestre di progetto, senza finestre: un progetto dalla riga di comando, molti dallo standard input, e il SALVA, l&apos;elenco utenti, il report, la scheda di costruzione e gli strumenti di progetto delle finestre.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>il progetto è in millimetri (la finestra di progetto metrica)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>parte da un file di progetto, letto come lo legge una finestra di progetto (con un avviso se il suo sistema di unità è l&apos;altro)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>esegue il calcolo completo N volte (predefinito 1; 0 memorizza solo i valori)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>esegue solo il ricalcolo parziale indicato di un campo della finestra invece di quello completo: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>come viene stampato il progetto: line (predefinito: ogni chiave come CHIAVE=valore su una riga), table (una grandezza per riga con l&apos;etichetta della finestra, il valore nel formato della finestra e l&apos;unità, nell&apos;ordine della finestra), json (un oggetto con ogni chiave e il suo testo decimale esatto come stringa) o csv (la riga dei titoli e la riga della tabella dei risultati YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>la lingua dell&apos;aiuto e dei messaggi: en, de, ja, ru, it, es, pl, pt_BR, fr, cs o nl (predefinita: quella del desktop, da LANGUAGE, LC_ALL, LC_MESSAGES o LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Opzioni di report</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>scrive il report come file PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>scrive Report.RTF, la pagina HTML e la bozza del messaggio in VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>la data di stampa sul report (predefinita oggi)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Opzioni di simulate</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>il modello NEC-2: standard (fili spessi per i cilindri, bobine concentrate)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>il modello dettagliato (gabbie a griglia di fili, bobine elicoidali, i terminali; alcuni secondi, avanzamento sullo standard error di un terminale, Ctrl+C lo ferma): solo risonanza, resistenza di radiazione, guadagno ed efficienza</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (predefinito), json, csv (la scansione) o s1p (la scansione come Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>scrive anche il deck NEC del modello, che i programmi NEC-2 aprono</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Opzioni di build-sheet</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>scrive la scheda di costruzione come file PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>la scrive come disegno SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>la scrive come immagine PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Stato di uscita:
  0   successo
  1   un file non si è potuto leggere o scrivere; in --batch, una riga non si è potuta
      calcolare (stampa &quot;error&quot;, le altre righe sono calcolate)
  2   ingresso errato (chiave o opzione sconosciuta, un valore che non è un numero decimale);
      il messaggio lo indica sullo standard error</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet richiede --pdf, --svg o --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>file di progetto non trovato: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>il file di progetto %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>la scheda di costruzione richiede un oggetto applicazione GUI</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>numero di esecuzioni non valido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 caratteri)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>il valore di %1 non è un numero decimale: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>il valore di %1 è troppo grande per qualsiasi campo (più di %2 cifre prima del punto): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>atteso CHIAVE=VALORE, trovato &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>chiave sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione &apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>l&apos;opzione &apos;--file&apos; richiede un percorso</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>ricalcolo parziale sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; è una cartella, non un file di progetto</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>file di progetto &apos;%1&apos; non trovato</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; non accetta altri argomenti</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>il valore di %1 non entra nel suo campo: %2 (%1 contiene da -%3 a %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>il valore di %1 del file di progetto non entra nel suo campo ed è stato troncato a ciò che il campo contiene</translation>
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
        <translation>i valori di %1 del file di progetto non entrano nei loro campi e sono stati troncati a ciò che il campo contiene</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; non accetta &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>impossibile scrivere il file di progetto %1: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>impossibile scrivere la riga dei risultati: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>nessun record utente &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>l&apos;opzione &apos;--format&apos; richiede un valore</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>formato sconosciuto &apos;%1&apos; (line, table, json o csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 richiede un file di progetto</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>data non valida &apos;%1&apos; (atteso AAAA-MM-GG)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report richiede --pdf OUT.pdf o --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>il report richiede un oggetto applicazione GUI</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; richiede standard o detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; richiede table, json, csv o s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; richiede un nome di file</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; accetta un solo file di progetto, trovato anche &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; richiede un file di progetto</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>modello sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>modello dettagliato, %1 % fatto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; non accetta &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; non accetta &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; richiede NT=&lt;spire&gt; o SCT=&lt;spire&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; accetta un solo obiettivo, trovato anche &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>le spire &apos;%1&apos; in &apos;%2&apos; non sono un numero decimale</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>le spire &apos;%1&apos; in &apos;%2&apos; non sono maggiori di 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; è ciò che trova l&apos;adattamento; omettetelo</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>nessun %1 da %2 a %3 dà %4 entro mezza spira da %5; il più vicino, %1=%6, dà %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; richiede CHIAVE=DA:A:PASSO</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; varia un solo ingresso, trovato anche &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>l&apos;opzione &apos;--to&apos; richiede &apos;metric&apos; o &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: atteso &apos;metric&apos; o &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; accetta un solo file di progetto, trovato anche &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; richiede un file di progetto</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; richiede &apos;--to metric&apos; o &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>il file di progetto &apos;%1&apos; dichiara il sistema di unità %2, né in pollici (0) né metrico (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>il file di progetto &apos;%1&apos; è già un progetto metrico</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>il file di progetto &apos;%1&apos; è già un progetto in pollici</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; richiede table o json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; richiede le spire avvolte</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; richiede un numero di spire maggiore di 0, trovato &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; richiede un file di progetto e una misura</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La misura %1 non contiene una scansione utilizzabile: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossibile eseguire %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>i comandi di pagina richiedono %1, che non è installato (cercato %2 e %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Inserire la frequenza centrale in megahertz. 
Massimo 3 decimali.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Inserire il diametro esterno del cilindro in pollici</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>Il rapporto L/D e il diametro servono a
calcolare la capacità primaria in pF, la
reattanza in ohm, la banda a 3 dB e il
&apos;Q&apos; dell&apos;antenna.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>La banda misurata in kHz è la lettura di ROS 2:1
da entrambi i lati del ROS minimo.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Opzione per calcolare l&apos;induttanza della bobina sorgente
in base allo sfasamento. Il valore iniziale
è 6 gradi, come per la bobina di fase. Quando 
l&apos;antenna funziona, inserite un valore per
ottenere il numero finale di spire della 
bobina sorgente.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Di solito ha lo stesso diametro della bobina di accordo. 
Potete però variarlo a piacere.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Nelle bobine a spire serrate il passo è di solito
uguale al diametro del filo.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Il fattore divide per 2 il rapporto fra lunghezza del cilindro e della bobina,
poi applica il fattore indicato. Premete
il pulsante Recalc per applicarlo.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Per calcolare bene le dimensioni bisogna fare clic 
su questo campo per rigenerare l&apos;induttanza e 
ricalcolare le dimensioni della bobina.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Seguite semplicemente le indicazioni. Ogni campo ha un riquadro che lo descrive. Dopo aver inserito diametro del filo e passo, fate clic sul pulsante ReCalc. Si avvia così un ciclo di calcoli per ottenere l&apos;induttanza e le dimensioni finali della bobina. Dopo aver costruito e provato l&apos;antenna, se trovate che le spire calcolate sono diverse da quelle che danno la massima uscita con il ROS più basso, cambiate il campo Fattore finché ottenete il numero di spire dell&apos;antenna finita. All&apos;inizio il fattore sarà 2. Usate i decimali per avvicinarvi al numero di spire. Inviatemi queste informazioni per e-mail dalla finestra principale, in basso a sinistra. Queste informazioni servono per avere un quadro più fedele del fattore da usare, così che la versione finale di questo programma sia precisa. È la storia dell&apos;uovo e della gallina. All&apos;inizio non conosciamo l&apos;induttanza necessaria per la risonanza, quindi inseriamo una stima. Poi la affiniamo impostando un fattore. Questo ci dà l&apos;induttanza, la lunghezza della bobina e il numero di spire corretti. Ci serve quindi il vostro aiuto per completare il progetto.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Calcolatore di progetto YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Scegliete il file da aprire</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Valore non valido. I valori validi sono fra|1 e 99. Reinserite</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>State stampando un&apos;antenna|metrica. Le misure saranno in mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nessun nome di file indicato.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>il percorso supera %1 caratteri</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>impossibile aprire il file dei risultati %1</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>impossibile bloccare il file dei risultati %1</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>il file dei risultati %1 è in uso da un altro programma</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>impossibile leggere il file dei risultati %1</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (il file potrebbe finire con una riga parziale)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>impossibile scrivere la riga dei risultati in %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>la riga dei risultati è stata aggiunta a %1 ma non scaricata su disco: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Impossibile scrivere il file di progetto %1.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Il progetto è stato salvato, ma non la riga dei risultati:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>è bloccato da un altro programma</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file utenti %1: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>non contiene record utente (non è un file utenti)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>è danneggiato (troncato dentro una pagina)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Nome e nominativo non possono contenere caratteri di controllo (a capo, tabulazioni).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Nome e nominativo possono avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Impossibile aggiungere il record: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Impossibile modificare il record (potrebbe essere stato eliminato).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Impossibile eliminare il record: il file utenti non esiste.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Impossibile eliminare il record (potrebbe essere già stato rimosso).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Risonanze serie</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Risonanza serie</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Accordato da</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedenza lì</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>ROS minimo (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>Banda a ROS 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Frequenza di progetto</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Induttanza serie al punto di alim.</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Capacità efficace</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Induttanza per la frequenza di progetto</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Bobina di accordo</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Lunghezza bobina</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Lunghezza filo</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fattore di capacità</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accordo</translation>
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
        <translation>  oppure:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Esempio: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licenza GPL-2.0-or-later: GNU GPL versione 2 o successiva &lt;https://gnu.org/licenses/gpl.html&gt;.
Questo è software libero: siete liberi di modificarlo e ridistribuirlo.
NON c&apos;è ALCUNA GARANZIA, nei limiti consentiti dalla legge.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Benvenuti nel meraviglioso mondo delle antenne YQ. Finalmente abbiamo ottenuto ciò che molti dicevano impossibile: lo sviluppo di un nuovo concetto di antenna. Per 120 anni l&apos;antenna filare risonante di Hertz è stata considerata l&apos;unico modo di costruire un&apos;antenna. Non lo abbiamo accettato, e il concetto di antenna YQ ne è il risultato. Offre vantaggi in ogni parametro d&apos;antenna: dimensioni ridotte, alta efficienza, ampia larghezza di banda e bassissime EMI. Durante lo sviluppo abbiamo scoperto una novità della fisica a essa collegata, e quella scoperta ci ha portato a sua volta a un ulteriore concetto di antenna che speriamo di presentarvi presto.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Ecco le informazioni che vi permettono di progettare antenne per varie bande radioamatoriali. Speriamo che queste informazioni e l&apos;uso delle antenne che costruirete vi siano graditi. Ce ne sono già moltissime in aria e se ne aggiungono ogni giorno.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet è radioamatore dai tempi della scuola, quando costruì il suo primo ricevitore a galena con i pezzi di un vecchio telefono. Ingegnere elettrotecnico, ha passato molti anni a progettare trasmettitori per radiodiffusione e radio marittima. Incuriosito dal fatto che le antenne piccole fossero sempre considerate cattivi radiatori, iniziò a sperimentare nel suo laboratorio con cilindri corti e bobine, e da quel lavoro nacque l&apos;antenna YQ. Oggi dirige ZO Duravar Uravaro, una piccola azienda di ingegneri e radioamatori che sviluppa applicazioni dell&apos;antenna YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Presentiamo queste foto per mostrare cosa si sta realizzando nel mondo con le antenne YQ. Lasciamo che le foto parlino da sole. Se volete che la vostra antenna sia pubblicata, inviate per e-mail una foto chiara e nitida a %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Scritto dal nostro programmatore con le formule fornite da Brannoc Quillet. È un lavoro in corso, perché ci servono i riscontri di utenti come voi che abbiano costruito e usato con successo un&apos;antenna YQ. Dobbiamo conoscere i dati </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>usati per ottenere un&apos;antenna funzionante. Compilate e inviateci per e-mail i dettagli per l&apos;analisi.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Inserire la frequenza in megahertz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Resistenza di radiazione</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Resistenza di radiazione dalla banda misurata</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Diametro cilindro  :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Diametro cilindro  in mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Rapporto lunghezza/diametro</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Capacità cilindro calcolata pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reattanza (Xc) in ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Banda a +/- 3db in kHz</translation>
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
        <translation>Lunghezza totale antenna :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Lungh. totale antenna in mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Banda misurata in kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Scarto della RR misurata</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Diametro del filo :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Diametro del filo in mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Passo :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Passo in mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Spire per pollice calcolate</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Spire per mm calcolate</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Capacità cilindro-filo in pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Capacità bobina stimata in pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Induttanza bobina in uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Numero di spire necessarie</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>spire</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Lunghezza bobina :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Lunghezza bobina in mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Lunghezza filo necessaria, pollici</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Lungh. filo necessaria in mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Lunghezza cilindro :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Lunghezza cilindro in mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Diametro bobina :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Diametro bobina in mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Lunghezza in % d&apos;onda:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Lunghezza filo di fase :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Lunghezza filo di fase</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Diametro bobina di fase:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Spire bobina di fase</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fattore di capacità</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Efficienza antenna</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Perdita in DB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Spire bobina sorgente</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Lungh. bobina sorgente :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Lungh. bobina sorgente in mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Induttanza bobina sorg. in uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Diam. bobina sorgente:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Lungh. filo bobina sorg. :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Lungh. filo bobina sorgente</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Diam. filo bobina sorgente</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Diam. filo bob. sorg. in mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reattanza bob. sorg. a 40ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Gradi di fase:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>lingua sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>scegliere fra %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang richiede un codice di lingua</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Il sistema operativo ha esaurito la memoria o le risorse. File:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Errore ShellExecute sconosciuto. File:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Il file indicato non è stato trovato. File:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Il percorso indicato non è stato trovato. File:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Il sistema operativo ha negato l&apos;accesso al file indicato. File:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Memoria insufficiente per completare l&apos;operazione. File:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Il file .exe non è valido (.exe non Win32® o errore nell&apos;immagine .exe). File:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Si è verificata una violazione di condivisione. File:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>L&apos;associazione del nome file è incompleta o non valida. File:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Impossibile completare la transazione DDE perché la richiesta è scaduta. File:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>La transazione DDE non è riuscita. File:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Impossibile completare la transazione DDE perché erano in corso altre transazioni DDE. File:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Nessuna applicazione è associata all&apos;estensione del nome file indicata. File:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>La libreria a collegamento dinamico indicata non è stata trovata. File:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|File:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>File dei risultati non trovato.|Ogni SALVA vi aggiunge una riga: salvate prima un progetto.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Nessun foglio di calcolo è impostato per aprire i file CSV.|Installatene uno, o scegliete il programma per i file CSV nelle impostazioni del desktop.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Il programma impostato per aprire i file CSV non si avvia:|la sua voce desktop manca o non è valida.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Errore di Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>il programma di posta</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Nessun programma di posta è registrato su questo desktop.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Il programma di posta registrato (%1) non si trova.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 non accetta il corpo HTML del messaggio.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Il programma di posta potrebbe non aver preso gli allegati del messaggio, e non accetta il suo corpo HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Il programma di posta potrebbe non aver preso gli allegati del messaggio.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Il programma di posta non accetta il corpo HTML del messaggio.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Impossibile avviare il programma di posta: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Impossibile avviare il programma di posta: xdg-email non è installato.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Impossibile avviare il programma di posta.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logo antenna YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Antenna YQ Star: disposizione generale con i nomi delle parti</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Le parti dell&apos;antenna YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Banner del calcolatore di progetto antenne YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Un&apos;antenna YQ su un palo in giardino</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Un&apos;antenna YQ montata su un camper</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Ritratto illustrato: un radioamatore alla sua stazione</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Un&apos;antenna YQ sul tetto di una casa al tramonto</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Un&apos;antenna YQ portatile su un treppiede in riva al mare</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Avvolgimento della bobina di accordo al banco</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Accordo di un&apos;antenna YQ con un analizzatore d&apos;antenna</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Un&apos;antenna YQ sul balcone di un appartamento</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Un&apos;antenna YQ sulla cima di una montagna</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Le parti di un&apos;antenna YQ disposte sul banco</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Un&apos;antenna YQ in una notte d&apos;inverno</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Icona del programma YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Icona Informazioni: radioperatore</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Puntatore a mano per i link</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Il calcolatore di progetto YQ: progetta l&apos;antenna YQ in pollici o millimetri, salva i progetti e la tabella dei risultati YQ.csv nella cartella di lavoro, stampa il report di progetto e invia i risultati per e-mail.

Il programma apre la finestra principale; le finestre di progetto si aprono dal suo menu. I file sono tenuti nella cartella di lavoro (la cartella dell&apos;ultimo file di progetto aperto).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>la lingua delle finestre per questa esecuzione: en, de, ja, ru, it, es, pl, pt_BR, fr, cs o nl (predefinita: quella del desktop, da LANGUAGE, LC_ALL, LC_MESSAGES o LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>traccia il servizio collegamenti delle finestre di progetto sullo standard error: ogni riga inizia con &quot;RazedUveziz: &quot; (registrazioni, eventi, comandi eseguiti, browser o programma di posta non trovato)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>traccia ogni ricerca fallita del browser o del programma di posta del desktop (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>traccia i tentativi del controllo del gestore per ogni collegamento (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>il plug-in di visualizzazione di Qt (xcb, wayland, offscreen); sono accettate anche le altre opzioni di Qt</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Le opzioni di traccia si possono dare insieme e in maiuscolo o minuscolo (/hadebug). Le tracce vanno
sullo standard error, mai sullo schermo.

Stato di uscita:
  0   la finestra principale è stata chiusa (Esci)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>niente disegnato per %1</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>impossibile disegnare %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>non contiene alcuna immagine (%1 byte)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>è troncata (%1 di %2 byte)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Impossibile leggere l&apos;immagine della pagina %1</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Il report non ha pagine.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Nessun programma di posta disponibile.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, in allegato i miei risultati YQ</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>I miei risultati YQ finali</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Il report elenca i progettisti dal file utenti, quindi non viene stampato.|Il file utenti resta invariato.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Impossibile scrivere il documento del report.|%1|Il messaggio si apre senza il report.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Impossibile preparare il messaggio con il report.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Questi file non si sono potuti allegare al messaggio:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Impossibile salvare una copia del messaggio come|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Il messaggio è salvato come|%2|Apritelo con il programma di posta per inviarlo.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Impossibile salvare il messaggio come|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Il messaggio completo è salvato come|%2|Aprite quello con il programma di posta per inviarlo tutto.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Invia e-mail</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Antenna YQ *Star* progettata per</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>Mhz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Tutte le misure lineari sono in</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindri</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Bobina di accordo</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Bobina di fase</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Bobina sorgente</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Diametro cilindro</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Rapporto lunghezza/diametro</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Lunghezza cilindro</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Distanza cilindri</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Capacità cilindro in pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reattanza (XC) ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Resistenza di radiazione ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Banda a +/- 3db in kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>Q dell&apos;antenna</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Lungh. antenna con bobine</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Diametro filo per le bobine</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Passo filo delle bobine</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Diametro bobina di accordo</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Induttanza bobina accordo uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Numero di spire</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Lunghezza bobina</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Lunghezza filo bobina</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Fattore di capacità</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Diametro bobina di fase</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Lunghezza filo</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Diametro bobina sorgente</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Spire bobina sorgente</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Lungh. filo bobina sorgente</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>I cilindri vanno realizzati in metallo non ferroso per ridurre le perdite.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>La distanza fra i cilindri è determinante per il successo.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>La distanza fra il cilindro inferiore e la cima della bobina di accordo deve essere uguale al diametro del cilindro.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Il filo dalla base della bobina di accordo deve salire lungo il bordo interno del cilindro inferiore.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Il filo dalla cima della bobina di accordo deve salire al centro del cilindro inferiore.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>I supporti delle bobine (il tubo) vanno provati nel forno a microonde per vedere se si scaldano con l&apos;eccitazione RF.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Se nel microonde si scalda non usatelo, perché assorbe energia RF.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>A lavoro finito l&apos;intera antenna va impermeabilizzata.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Seguite le istruzioni del libro di Brannoc per la messa a punto con massima radiazione e ROS minimo.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Data stampa:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Progettato da:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Stampa dalla coda</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
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
        <translation>Impossibile leggere la riga %1 del deck</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; non è un numero nella scheda %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>la scheda %1 richiede %2 numeri</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Impossibile controllare la riga %1 del deck</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>una scheda GM che copia o ruota non viene letta qui</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Il deck non chiede alcuna frequenza (nessuna scheda FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Il filo %1 non ha lunghezza o segmenti; nec2c può girare all&apos;infinito.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>I segmenti del filo %1 sono lunghi %2 lunghezze d&apos;onda a %3 MHz, la frequenza più bassa; NEC-2 vuole almeno 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>I segmenti del filo %1 sono lunghi %2 lunghezze d&apos;onda a %3 MHz, la frequenza più alta; NEC-2 vuole al massimo 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>I segmenti del filo %1 sono lunghi %2 volte il loro raggio; NEC-2 vuole almeno %3 con il kernel esteso per fili sottili.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>I segmenti del filo %1 sono lunghi %2 volte il loro raggio; NEC-2 vuole almeno %3 senza EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>I fili %1 e %2 si sovrappongono per %3 m; nec2c dà per loro un&apos;impedenza priva di senso.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>I fili %1 e %2 si uniscono con raggi diversi di %3 volte; il kernel esteso per fili sottili non vale dove il raggio cambia.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>I fili %1 e %2 si uniscono con raggi diversi di %3 volte; NEC-2 vuole al massimo 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Il deck non ha alimentazione (nessuna scheda EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>L&apos;alimentazione è sul segmento %1 del filo %2, che non esiste.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Modello NEC-2 dettagliato: spazio libero, nessuna linea di alimentazione, i cilindri come gabbie a griglia di filo di alluminio, le bobine di accordo e di fase come eliche di rame con i terminali come li disegna la scheda di costruzione, la bobina sorgente concentrata al punto di alimentazione.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Modello NEC-2 standard: spazio libero, nessuna linea di alimentazione, i cilindri come fili spessi di alluminio, le tre bobine come un&apos;unica R + L serie concentrata al punto di alimentazione, dai valori delle bobine del calcolatore.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>impossibile avviare nec2c</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Impossibile creare una cartella per nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Impossibile scrivere il deck per nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c si è fermato prima di finire</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>è andato in crash</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>è uscito con stato %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c non è riuscito</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c non ha scritto alcun output</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>manca deck.out</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>La simulazione richiede nec2c, che non è installato: installatelo con &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>La simulazione richiede nec2c, che non si trova in %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c è stato fermato</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>è durato più del suo limite di %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>La simulazione è stata annullata.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>impossibile leggere l&apos;output di nec2c</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>contiene più frequenze delle %1 del deck</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>i parametri di ingresso della frequenza %1 non hanno una riga di numeri</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>l&apos;impedenza alla frequenza %1 non è un numero</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>un diagramma di radiazione non ha intestazioni</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>contiene %1 delle %2 frequenze del deck</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>La banda a -3 dB adattata è più larga della scansione fine.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>La banda a -3 dB su 50 ohm è più larga della scansione fine.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Con la bobina calcolata il modello non ha risonanza serie fra 0.4 F e 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c non ha dato bilancio di potenza né guadagno medio alla risonanza.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>La bobina per F non è calcolata in questo modello.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Il progetto non ha frequenza</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F è 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Il progetto non ha cilindri</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD o LD è 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Il modello dettagliato richiede una bobina di accordo</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP o CCD è 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Nessuna bobina di accordo porta il modello in risonanza a F: serve lì una capacità in serie.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Con la bobina ridimensionata X non passa per 0 salendo entro l&apos;1 % di F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>I suoi segmenti scendono a %1 lunghezze d&apos;onda a F (NEC-2 vuole almeno 0.001) e le sue gabbie e i terminali violano le regole di NEC-2, quindi R e X al punto di alimentazione, e Q, bande e ROS che ne derivano, non sono validi: dà risonanza, resistenza di radiazione, guadagno ed efficienza solo dal campo lontano.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Risonanza serie</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Induttanza bobina accordo</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Spire bobina accordo</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>L serie al punto di alim.</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impedenza alim. a F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R in risonanza (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Resistenza di radiazione</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>Banda a -3 dB, adattata</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>Banda ROS 2:1, adattata</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>Banda a -3 dB su 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>Banda ROS 2:1 su 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>ROS minimo su 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficienza</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perdita</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Guadagno massimo</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Regola violata: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>esecuzioni di nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calcolatore</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, bobina calcolata</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, bobina per F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>non valido</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>non calcolato</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>La misura %1 non si può leggere</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>un carattere di controllo (byte %1) dove può stare solo testo: questo non è un file di testo</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>testo dopo [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>una seconda riga di opzioni</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 dove è attesa una parola chiave fra parentesi quadre</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] ha troppo pochi valori</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>il file finisce a metà di un punto: %1 dei suoi %2 valori</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>un file Touchstone 2.0 senza [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] dice %1, il file ne contiene %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>nessuna riga di opzioni: si assume GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>parametri di rumore dalla riga %1 ignorati</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>una parola chiave senza la &quot;]&quot; di chiusura</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] deve essere la prima riga che non è un commento</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 non è una versione che questo programma legge (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>la parola chiave [%1] in un file senza [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 non è un numero di porte</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 non è né 12_21 né 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 non è un numero di frequenze</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] prima di [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 non è Full, Lower o Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] prima di [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] prima della riga di opzioni</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>un file a due porte senza [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>i dati di rete finiscono a metà di un punto</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] non è una parola chiave di Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>il riferimento %1 non è un numero</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>l&apos;impedenza di riferimento %1 ohm non è maggiore di 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] ha più valori che porte</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>la riga di opzioni indica due volte l&apos;unità di frequenza</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>la riga di opzioni indica due volte il parametro</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>i parametri %1 non contengono un coefficiente di riflessione che questo programma legge; salvate parametri S, Z o Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>la riga di opzioni indica due volte il formato dei dati</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>la riga di opzioni dà due volte il riferimento</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; senza la sua impedenza di riferimento</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 non fa parte della riga di opzioni (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>i parametri Z e Y di reti con più di due porte non vengono letti; salvate parametri S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 non è un numero</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>la frequenza %1 non è maggiore di quella precedente (%2 alla riga %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>la frequenza %1 è minore di 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>la frequenza %1 è troppo grande</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>il punto non finisce dove finisce una riga: manca un valore o ce n&apos;è uno di troppo (qui un punto ha %1 valori)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>i valori del punto a %1 non danno un coefficiente di riflessione finito</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>di nuovo la frequenza %1 della riga %2, con %3 valori dove un punto ne ha %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>la riga %1 ripete la frequenza %2 della riga %3; la ripetizione è tralasciata</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>un carattere di controllo dove può stare solo testo: questo non è un file di testo</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>le intestazioni indicano %1 colonne; una scansione richiede la frequenza e altre due</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 valore dove servono la frequenza e altri due</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 valori dove servono la frequenza e altri due</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>le righe dalla riga %1 in poi (%2) sono un&apos;altra scansione rispetto a %3 e sono tralasciate</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 non è una frequenza</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>l&apos;impedenza non dà un coefficiente di riflessione finito</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 porta</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 porte</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punti</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>La misura %1 non si può aprire</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>non esiste o non è leggibile</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>è più grande di 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>la lettura non è riuscita</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accordo</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Tutte le misure sono in pollici</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Scelta errata. Avete scelto per errore|un progetto metrico.|Scegliete invece Progetto metrico.|NON salvate questa versione!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Premete ESC e scegliete l&apos;opzione metrica!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Scelta errata. Avete scelto per errore|un progetto in pollici.|Scegliete invece Progetto in pollici.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Premete ESC e scegliete Progetto in pollici</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Tutte le misure sono in mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Calcoli antenna YQ... Pollici</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Le misure lineari sono in pollici</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Tutte le dimensioni delle bobine si basano sul passo indicato. Le dimensioni lineari sono in pollici. La maggior parte dei campi ha un aiuto al passaggio del mouse. Tutte le bobine usano lo stesso diametro del filo e lo stesso passo.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>File ini antenna M = Metrico|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Calcoli antenna YQ... Metrico</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Le misure lineari sono in mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Tutte le dimensioni delle bobine si basano sul passo indicato. Le dimensioni lineari sono in mm. La maggior parte dei campi ha un aiuto al passaggio del mouse. Tutte le bobine usano lo stesso diametro del filo e lo stesso passo.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>File ini antenna M = Metrico|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>I record si eliminano dall&apos;elenco utenti, non da questo modulo.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Eliminare davvero il record evidenziato?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Messaggio di errore YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Chiudi e torna...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>Informazioni sul programma V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Disegno della scheda</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Scheda di costruzione: l&apos;antenna in scala e cosa tagliare e avvolgere</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Stampa scheda</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Mostra la scheda di costruzione nell&apos;anteprima di stampa, per stamparla</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Converti in millimetri</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Converti in pollici</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Lunghezze x 25.4, arrotondate ai campi metrici; F, L/D, MBW, FAC e DPS
invariati; poi il ReCalc metrico. Il progetto è salvato nella cartella
di lavoro con il nome file della finestra metrica (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Lunghezze / 25.4, arrotondate ai campi in pollici; F, L/D, MBW, FAC e DPS
invariati; poi il ReCalc in pollici. Il progetto è salvato nella cartella
di lavoro con il nome file della finestra in pollici.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Converti e salva come metrico</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Converti e salva in pollici</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Salva questo progetto in millimetri per la finestra metrica.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Salva questo progetto in pollici per la finestra in pollici.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Impossibile convertire il progetto:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Impossibile scrivere il progetto convertito %1.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>Salvato &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: apritelo nella finestra %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Adatta all&apos;antenna costruita</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC da spire bob. accordo (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS dalle spire della bobina sorgente (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Campo da adattare</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Fattore di capacità dalle spire avvolte sulla bobina di accordo,
o gradi di fase dalle spire della bobina sorgente.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Spire avvolte:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Spire avvolte</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Prova ogni valore del campo, a passi di 0.01, ciascuno con un ReCalc completo,
e trova quello le cui spire si avvicinano di più a quelle avvolte.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Inserite le spire dell&apos;antenna funzionante e premete Trova.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Inserite il numero di spire avvolte, per esempio 31 o 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; dà %3 = &lt;b&gt;%4&lt;/b&gt; spire (avvolte %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Nessun %1 da %2 a %3 dà %4 entro mezza spira da %5.&lt;/span&gt; Il più vicino è &lt;b&gt;%1 = %6&lt;/b&gt;, con %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Cambia anche: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;La finestra mostra DPS con un decimale (%1); il progetto tiene %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Applica %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Il progetto è cambiato dall&apos;ultimo Trova; questo è l&apos;adattamento attuale.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Applicato&lt;/b&gt; al progetto; SALVA lo conserva.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Diametro cilindro</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Rapporto lungh./diam.</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Diametro filo</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Diametro bobina</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Fattore di capacità</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Diam. bobina di fase</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Diam. bobina sorgente</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Gradi di fase</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Banda misurata</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Scansiona un ingresso</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Ingresso da variare</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Varia:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Grafico:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Punti scansione</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Fino a %1 punti, ciascuno un ReCalc completo di questo progetto.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Salva CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Ogni chiave di ogni punto, come la scrive yq-calc sweep.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; non è un numero.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 punti, ciascuno un ReCalc completo.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Impossibile salvare la scansione come %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 punti salvati in %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Salva la scansione come CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Scheda costr.</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Strumenti</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Scegli antenna</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Specifiche</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Aiuto</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>I dati in grassetto sono modificabili. Tutti gli altri sono di sola lettura.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Salva il file con un nome come 726.ini
7 = frequenza in mhz
2 = diametro cilindro in pollici
6 = rapporto diametro/lunghezza
Una &apos;M&apos; come prima lettera indica calcoli metrici.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Stampa/Vedi</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Per stampare DOVETE prima salvare</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Invia report</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Usa Outlook per la posta. Altri programmi potrebbero non funzionare.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Forum YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Apri Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Invia risultati</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Specifiche cilindri</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Specifiche bobina sorgente</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Specifiche bobina accordo</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Fate clic su questo pulsante per ricalcolare dopo le modifiche</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Il fattore iniziale è 2. Divide la capacità del cilindro
per 2 per ricalcolare le dimensioni della bobina. Così si
ricalcola anche l&apos;induttanza della bobina.

Usate un numero che dia il numero di spire che
avete usato per far funzionare il sistema. Poi potete
premere SALVA.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Specifiche bobina di fase</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Aiuto generale</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>I vari componenti della versione YQ Star sono elencati a destra per chiarire i termini usati nella pagina di progetto. Per una comprensione più completa della YQ Star consultate lo YQ Design Book di Brannoc (scaricabile dal Forum).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>La lunghezza totale dell&apos;antenna si calcola come lunghezza del cilindro * 2, più diametro del cilindro * 2, più la lunghezza della bobina di accordo. La bobina sorgente non è compresa nella lunghezza.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Fate clic per accedere al Forum YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Le parti dell&apos;antenna YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Misura</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulazione</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Impossibile scrivere la copia di lavoro %1.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Nessun foglio di calcolo ha potuto aprire %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 vs frequenza</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Ancora niente da tracciare.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> banda</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Calcolatore di progetto V5.091 - Antenne YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet CEO  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Progetto antenna</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Antenna YQ in pollici</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Antenna YQ metrica</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Foto</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    Informazioni</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Banner ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Un&apos;antenna YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Un&apos;antenna YQ su un furgone</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Ritratto di Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Utenti</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Apri misura...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Nessuna misura aperta (Touchstone .s1p, .s2p, .ts o CSV di un VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Spire avvolte:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Spire avvolte sulla bobina di accordo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Imposta il fattore di capacità il cui progetto avvolge le spire indicate, poi ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Risultati e accordo</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Apri una misura</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Apri misura</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Misure (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La misura %1 non contiene una scansione utilizzabile: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non letto: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Le spire avvolte &quot;%1&quot; non sono un numero di spire maggiore di 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Applica FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bobina di accordo: avvolgere %1 spire (ora %2) per la risonanza a %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Aprite la scansione dell&apos;antenna finita salvata dall&apos;analizzatore (S11 al punto di alimentazione). La scheda ne trova la risonanza e le spire per la frequenza di progetto.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>ROS (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>progetto %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Modello NEC-2 di questo progetto sullo stesso intervallo: in corso...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Nessun modello NEC-2 accanto alla misura: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Modello NEC-2 (tratteggiato): questo progetto con la bobina di accordo di %1 spire, sull&apos;intervallo misurato. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>misurato</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Modello NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Foto di antenne YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Un&apos;antenna YQ sul tetto di una casa al tramonto</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Un&apos;antenna YQ su un treppiede in spiaggia</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Costruzione di un&apos;antenna YQ al banco</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Un&apos;antenna YQ provata con un analizzatore d&apos;antenna</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Un&apos;antenna YQ su un balcone</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Un&apos;antenna YQ portatile in montagna</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Le parti di un&apos;antenna YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Un&apos;antenna YQ vicino a una casa in una notte d&apos;inverno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagramma</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevazione (gradi)	Guadagno (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Nessun diagramma.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Guadagno massimo %1 dBi; centro %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Elaborazione...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Invia e-mail</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Apertura del messaggio nel programma di posta...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>La simulazione parte quando questa scheda è in primo piano dopo un ReCalc.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modello:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>dettagliato</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>standard: fili spessi e bobine concentrate, una frazione di secondo; dettagliato: gabbie a griglia di fili e bobine elicoidali, alcuni secondi, meno valori</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Avanzamento simulazione</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Simula di nuovo</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Esporta deck NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Salva scansione...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>I valori del calcolatore accanto a quelli del modello NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Frequenze tracciate</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Scansione intera, da 0.4 F a 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Intorno alla risonanza con la bobina calcolata</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Intorno a F con la bobina per F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>ROS su 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagramma</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Simulazione del progetto in NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Modello NEC-2 %1: %2 esecuzioni di nec2c in %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Regola NEC-2 non rispettata: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Ogni deck rispetta le regole pratiche di NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagramma di elevazione a %1 MHz, %2, asse verticale</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>bobina per F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>bobina calcolata</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Niente risonanza né diagramma.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Deck NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Impossibile salvare il deck NEC come %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Deck NEC salvato in %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Impossibile salvare la scansione come %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Scansione salvata in %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Carta di Smith</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Serie	Frequenza (MHz)	R (ohm)	X (ohm)	Riflessione (re)	Riflessione (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Copia punti</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Carta di Smith, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Grafico scansione</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Scegliete un ingresso e il suo intervallo, poi Scansione.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Spuntate almeno un&apos;uscita da tracciare.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> banda</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      linea tratteggiata: questo progetto, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Il record sarà aggiunto</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Il record sarà modificato</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Visualizza record</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Nome &amp;&amp; nominativo:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Nome e nominativo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Aggiorna il file yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Inserite nome e nominativo</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Scorrimento record</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Scegli</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Sfoglia il file utenti</translation>
    </message>
</context>
</TS>

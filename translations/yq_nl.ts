<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Q&apos; = :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Length of Antenna :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> band</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Users</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detailed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dosar</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Ce este aceasta?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 exista deja.
Doriti sa il inlocuiti?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fisierul nu a fost gasit.
Verificati daca numele fisierului este corect.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu a fost gasit.
Verificati daca numele dosarului este corect.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; este protejat la scriere.
Doriti sa il stergeti totusi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur doriti sa stergeti &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi sters.</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alege</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sterge</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumeste</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salveaza</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translatorcomment>The key sequence of the Back button: it stays as it is.</translatorcomment>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translatorcomment>The key sequence of the Forward button: it stays as it is.</translatorcomment>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translatorcomment>The key sequence of the Parent Directory button: it stays as it is.</translatorcomment>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mergi inapoi</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mergi inainte</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul parinte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul parinte</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creeaza dosar nou</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creeaza un dosar nou</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Arata fisierele ca lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Arata fisierele cu detalii</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fisier:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fisiere</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fisiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Alege dosarul</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista locurilor si a semnelor de carte</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cauta in:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salveaza ca</translation>
    </message>
    <message>
        <source>Show </source>
        <translatorcomment>Followed by the name of a column of the file list.</translatorcomment>
        <translation>Arata coloana </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arata fisierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bara laterala</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Marime</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificarii</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salveaza</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Inchide</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Inchide fara a salva</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Reface</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Arata detaliile...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translatorcomment>The same word in Romanian.</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salveaza</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salveaza tot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandoneaza</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reincearca</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuleaza</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reseteaza</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valorile implicite</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Deruleaza aici</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Marginea din stanga</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Marginea de sus</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Marginea din dreapta</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Marginea de jos</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>O pagina la stanga</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>O pagina in sus</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>O pagina la dreapta</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>O pagina in jos</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Deruleaza la stanga</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Deruleaza in sus</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Deruleaza la dreapta</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Deruleaza in jos</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Insereaza un caracter de control Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marcaj stanga-dreapta</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marcaj dreapta-stanga</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Legatura de latime zero</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Despartire de latime zero</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spatiu de latime zero</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Inceput de incorporare stanga-dreapta</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Inceput de incorporare dreapta-stanga</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Inceput de fortare stanga-dreapta</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Inceput de fortare dreapta-stanga</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Sfarsit de formatare directionala</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolare stanga-dreapta</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolare dreapta-stanga</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolare dupa primul caracter puternic</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Sfarsit de izolare directionala</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Ce este aceasta?</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Reface</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiaza adresa &amp;legaturii</translation>
    </message>
</context>
</TS>

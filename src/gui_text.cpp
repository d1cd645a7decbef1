// The interface texts of both languages, indexed as the controls and messages use them.
// Windows-1252 bytes written as escapes, so that no editor or compiler charset can alter them;
// an escape followed by a hex digit letter is split into two literals.
#include "gui.h"
#include "version.h"

// clang-format off

const char* const szLang_fr[TXT_COUNT] = {
    /* TXT_NONE               */ "",
    /* TXT_APP_NAME           */ "TANDREL",
    /* TXT_STATUS             */ "Interface Windows pour le PDF Toolkit",
    /* TXT_ABOUT              */ "TANDREL    (c) 2026 les auteurs de TANDREL\r\n"
                                 "\r\n"
                                 "Interface Windows pour pdftk : "
                                 "https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/\r\n"
                                 "Chaque t\xE2" "che PDF \xE0 un clic, "
                                 "sans aucune commande \xE0 taper.\r\n"
                                 "\r\n"
                                 "Version " TANDREL_VERSION_TEXT "\r\n"
                                 "\r\n"
                                 "Informations : voir README.md dans les sources de TANDREL\r\n"
                                 "\r\n"
                                 "Essay\xE9 avec pdftk 3.3.3 (pdftk-java) en compatibilit\xE9 "
                                 "Windows 7 et 10 sous Wine 8\r\n"
                                 "\r\n"
                                 "Compil\xE9 avec MinGW-w64",
    /* TXT_TAB_SINGLE         */ "Fichier unique",
    /* TXT_TAB_MULTI          */ "Plusieurs fichiers",
    /* TXT_TAB_PAGES          */ "Pages",
    /* TXT_TAB_DOCUMENT       */ "Document",
    /* TXT_TAB_CONFIG         */ "Configuration",
    /* TXT_TAB_ABOUT          */ "A propos",
    /* TXT_FRAME_ENCRYPT      */ "Chiffrement",
    /* TXT_ENCRYPT_40         */ "sur 40 bits",
    /* TXT_ENCRYPT_128        */ "sur 128 bits",
    /* TXT_FRAME_PASSWD       */ "Mots de passe",
    /* TXT_PASSWD_USER        */ "Utilisateur",
    /* TXT_PASSWD_OWNER       */ "Principal",
    /* TXT_FRAME_AUTH         */ "Autorisations",
    /* TXT_AUTH_ALL           */ "Tout autoriser",
    /* TXT_AUTH_PRINT_TOP     */ "Impression sans restriction",
    /* TXT_AUTH_PRINT_LOW     */ "Impression basse r\xE9solution",
    /* TXT_AUTH_MODIFY        */ "Modification du contenu et...",
    /* TXT_AUTH_ASSEMBLY      */ "Assemblage",
    /* TXT_AUTH_COPY          */ "Copie/extraction du contenu et...",
    /* TXT_AUTH_READ          */ "Accessibilit\xE9",
    /* TXT_AUTH_CREATE        */ "Commentaire et champs de saisie et...",
    /* TXT_AUTH_FILLIN        */ "Remplissage de formulaire",
    /* TXT_BTN_ENCRYPT        */ "Chiffrer",
    /* TXT_BTN_BURST          */ "Dissocier",
    /* TXT_BTN_DUMP_DATA      */ "Info. PDF",
    /* TXT_BTN_BACKGROUND     */ "Filigrane",
    /* TXT_BTN_REPAIR         */ "R\xE9parer",
    /* TXT_BTN_COMPRESS       */ "Re-compresser",
    /* TXT_BTN_UNCOMPRESS     */ "D\xE9" "compresser",
    /* TXT_BTN_DUMP_FIELDS    */ "Infos. champs",
    /* TXT_BTN_CLOSE          */ "Quitter",
    /* TXT_PDF_SOURCE         */ "Fichier PDF :",
    /* TXT_BTN_PDF_SOURCE     */ "...",
    /* TXT_BTN_DECRYPT        */ "D\xE9" "chiffrer",
    /* TXT_FRAME_CAT          */ "S\xE9lection",
    /* TXT_CAT_FROM           */ "De :",
    /* TXT_CAT_TO             */ "\xE0 :",
    /* TXT_CAT_ALL            */ "Toutes",
    /* TXT_CAT_EVEN           */ "Paires",
    /* TXT_CAT_ODD            */ "Impaires",
    /* TXT_BTN_CAT            */ "S\xE9lectionner",
    /* TXT_FRAME_DELETE       */ "Suppression",
    /* TXT_DELETE_HELP        */ "S\xE9lectionner les pages que vous souhaitez supprimer "
                                 "dans la liste \xE0 gauche, "
                                 "puis cliquer sur le bouton 'Supprimer' ci-dessous.",
    /* TXT_BTN_DELETE         */ "Supprimer",
    /* TXT_BTN_ADD_DIR        */ "Ajout r\xE9p.",
    /* TXT_BTN_ADD_PDF        */ "Ajouter",
    /* TXT_BTN_REMOVE         */ "Supprimer",
    /* TXT_BTN_UP             */ "Monter",
    /* TXT_BTN_DOWN           */ "descendre",
    /* TXT_BTN_JOIN           */ "Assembler",
    /* TXT_LANG               */ "Langue :",
    /* TXT_ZOOM               */ "Zoom :",
    /* TXT_MSG_NO_SOURCE      */ "Vous devez d'abord choisir un fichier PDF.",
    /* TXT_MSG_EMPTY_LIST     */ "Vous devez ajouter au moins un fichier PDF dans la liste.",
    /* TXT_MSG_JOIN_TWO       */ "Vous devez ajouter au moins deux fichiers PDF dans la liste.",
    /* TXT_MSG_NO_PASSWORD    */ "Vous devez saisir un mot de passe principal et/ou "
                                 "un mot de passe utilisateur.",
    /* TXT_MSG_SAME_PASSWORDS */ "Le mot de passe principal et le mot de passe utilisateur "
                                 "doivent \xEAtre diff\xE9rents.",
    /* TXT_MSG_NO_OWNER       */ "Vous devez saisir un mot de passe principal.",
    /* TXT_MSG_NO_PAGE        */ "Aucune page trouv\xE9" "e pour ce fichier.",
    /* TXT_MSG_OVERWRITE      */ "Le fichier r\xE9sultant existe d\xE9j\xE0.\r\n\r\n"
                                 "Voulez-vous l'\xE9" "craser quand m\xEAme ?",
    /* TXT_MSG_SAVE_SETTINGS  */ "Erreur \xE0 la sauvegarde de la configuration.\r\n\r\n"
                                 "Votre fichier de configuration ou votre r\xE9pertoire "
                                 "est peut-\xEAtre prot\xE9g\xE9 "
                                 "en \xE9" "criture.",
    /* TXT_MSG_DELETE_ALL     */ "Un fichier PDF garde au moins une page : laissez au moins une "
                                 "page non s\xE9lectionn\xE9" "e.",
    /* TXT_MSG_JOIN_INPUT     */ "Le fichier assembl\xE9 ne peut pas remplacer l'un des fichiers "
                                 "\xE0 assembler.\r\n\r\nChoisissez un autre nom.",
    /* TXT_STATUS_PROGRESS    */ "%1 / %2 \x97 %3",
    /* TXT_STATUS_DONE        */ "R\xE9sultats \xE9" "crits : %1 sur %2.",
    /* TXT_STATUS_STOPPED     */ "Interrompu. R\xE9sultats \xE9" "crits : %1 sur %2.",
    /* TXT_MSG_FAILED         */ "Aucun r\xE9sultat n'a \xE9t\xE9 \xE9" "crit pour :",
    /* TXT_MSG_FAILED_MORE    */ "... et %1 autres.",
    /* TXT_MSG_NO_TOOL        */ "pdftk.exe est introuvable.\r\n\r\n"
                                 "Installez PDFtk Server avec son programme d'installation, "
                                 "ou copiez tout son dossier bin (pdftk.exe et les fichiers "
                                 "\xE0 c\xF4t\xE9) dans le dossier de TANDREL :\r\n%1\r\n\r\n"
                                 "TANDREL l'a cherch\xE9 l\xE0, dans les dossiers de la "
                                 "variable PATH et dans :\r\n%2",
    /* TXT_FAIL_NOT_STARTED   */ "pdftk.exe n'a pas pu \xEAtre lanc\xE9.",
    /* TXT_FAIL_STATUS        */ "pdftk.exe s'est arr\xEAt\xE9 avec le code %1.",
    /* TXT_FAIL_TOO_LONG      */ "La ligne de commande d\xE9passerait la limite de Windows "
                                 "(32 767 caract\xE8res).",
    /* TXT_FAIL_NO_NAME       */ "Son chemin est trop long pour nommer le r\xE9sultat \xE0 "
                                 "c\xF4t\xE9.",
    /* TXT_FAIL_NO_FOLDER     */ "Le dossier de ses pages ne peut pas \xEAtre cr\xE9\xE9 : %1",
    /* TXT_NAME_DELETE_LIST   */ "Pages \xE0 supprimer",
    /* TXT_NAME_FILE_LIST     */ "Fichiers \xE0 assembler ou \xE0 traiter",
    /* TXT_FILTER_PDF         */ "Fichiers PDF (*.pdf)",
    /* TXT_FILTER_ALL         */ "Tous les fichiers (*.*)",
    /* TXT_FOLDER_TITLE       */ "Choisissez un r\xE9pertoire :",
    /* TXT_MSG_COUNT_FAILED   */ "Les pages de ce fichier n'ont pas pu \xEAtre compt\xE9" "es.\r\n\r\n%1",
    /* TXT_FAIL_REPLACES_INPUT */ "Son r\xE9sultat remplacerait un autre fichier de la liste.",
    /* TXT_FAIL_NO_TEMP       */ "Aucun fichier temporaire ne peut \xEAtre cr\xE9\xE9 dans le "
                                 "dossier temporaire.",
    /* TXT_SHUTDOWN_REASON    */ "TANDREL termine le fichier que pdftk est en train de traiter.",
    /* TXT_TOOL_IN_USE        */ "pdftk utilis\xE9 : %1",
    /* TXT_TOOL_NONE          */ "pdftk.exe est introuvable.",
    /* TXT_FRAME_INTERLEAVE   */ "Entrelacer rectos et versos",
    /* TXT_BACKS              */ "Versos :",
    /* TXT_BACKS_REVERSE      */ "Versos en ordre inverse",
    /* TXT_BTN_INTERLEAVE     */ "Entrelacer",
    /* TXT_FRAME_RANGES       */ "Pages choisies",
    /* TXT_RANGES             */ "Pages :",
    /* TXT_TURN               */ "Angle :",
    /* TXT_TURN_EAST          */ "90\xB0 horaire",
    /* TXT_TURN_SOUTH         */ "180\xB0",
    /* TXT_TURN_WEST          */ "90\xB0 antihoraire",
    /* TXT_BTN_ROTATE         */ "Pivoter",
    /* TXT_BTN_TAKE           */ "Extraire",
    /* TXT_MSG_NO_BACKS       */ "Vous devez d'abord choisir le fichier PDF des versos.",
    /* TXT_MSG_NO_RANGES      */ "Vous devez d'abord saisir des pages, par exemple : 1-3 7 9-end",
    /* TXT_MSG_BAD_RANGE      */ "\xAB %1 \xBB n'est pas une plage de pages de ce document."
                                 "\r\n\r\nExemples : 1-3 7 9-end r1 1-endodd",
    /* TXT_MSG_COUNTS_DIFFER  */ "Les rectos ont %1 pages et les versos %2.\r\n\r\n"
                                 "Entrelacer quand m\xEAme ? Les pages en trop seront plac\xE9" "es "
                                 "\xE0 la fin.",
    /* TXT_MSG_SHUFFLE_INPUT  */ "Le fichier entrelac\xE9 ne peut pas remplacer les rectos ni les "
                                 "versos.\r\n\r\nChoisissez un autre nom.",
    /* TXT_FAIL_REPLACES_BACKGROUND */ "Son r\xE9sultat remplacerait le fichier de filigrane.",
    /* TXT_FAIL_SAME_RESULT   */ "Un autre fichier de la liste donne le m\xEAme r\xE9sultat.",
    /* TXT_FAIL_NOT_STARTED_WHY */ "pdftk.exe n'a pas pu \xEAtre lanc\xE9 : %1",
    /* TXT_MSG_NOT_OPENED     */ "Ces chemins de la ligne de commande n'ont pas \xE9t\xE9 ouverts :",
    /* TXT_WHY_MISSING        */ "Il n'y a aucun fichier ni dossier de ce nom.",
    /* TXT_WHY_NOT_PDF        */ "Ce n'est ni un fichier PDF (.pdf) ni un dossier.",
    /* TXT_WHY_CODE_PAGE      */ "Ce nom ne peut pas \xEAtre donn\xE9 tel quel \xE0 pdftk : la page "
                                 "de codes de Windows ne sait pas \xE9" "crire certaines de ses "
                                 "lettres, ou il d\xE9passe alors 259 caract\xE8res.",
    /* TXT_MSG_KEPT_WITHOUT   */ "Le r\xE9sultat est \xE9" "crit, mais sans les signets ni les "
                                 "informations de document de sa source :",
    /* TXT_FAIL_NO_TEMP_HERE  */ "Aucun fichier temporaire ne peut \xEAtre cr\xE9\xE9 dans le "
                                 "dossier du r\xE9sultat.",
    /* TXT_FAIL_NO_STAND_IN   */ "Ce nom ne peut pas \xEAtre donn\xE9 \xE0 pdftk : la page de codes "
                                 "de Windows ne sait pas \xE9" "crire certaines de ses lettres, et "
                                 "aucun autre nom n'a pu lui \xEAtre substitu\xE9 : %1",
    /* TXT_FAIL_NOT_PLACED    */ "Son r\xE9sultat n'a pas pu prendre son nom : %1",
    /* TXT_STATUS_COPYING     */ "Copie de %1 sous un nom que pdftk sait lire\x85",
    /* TXT_DOC_SUMMARY        */ "%1 pages, %2 signets",
    /* TXT_FRAME_INFO         */ "Informations",
    /* TXT_INFO_TITLE         */ "Titre",
    /* TXT_INFO_AUTHOR        */ "Auteur",
    /* TXT_INFO_SUBJECT       */ "Sujet",
    /* TXT_INFO_KEYWORDS      */ "Mots-cl\xE9s",
    /* TXT_BTN_SAVE_INFO      */ "Enregistrer les informations",
    /* TXT_FRAME_SPLIT        */ "D\xE9" "couper en parties",
    /* TXT_SPLIT_EVERY        */ "Toutes les",
    /* TXT_SPLIT_BOOKMARKS    */ "Aux signets de niveau",
    /* TXT_SPLIT_PAGES        */ "pages",
    /* TXT_NAME_SPLIT_EVERY   */ "Pages par partie",
    /* TXT_NAME_SPLIT_LEVEL   */ "Niveau des signets",
    /* TXT_BTN_SPLIT          */ "D\xE9" "couper",
    /* TXT_FRAME_ATTACH       */ "Pi\xE8" "ces jointes",
    /* TXT_BTN_ATTACH         */ "Joindre des fichiers\x85",
    /* TXT_ATTACH_PAGE        */ "\xE0 la page",
    /* TXT_BTN_EXTRACT        */ "Tout extraire",
    /* TXT_MSG_BAD_EVERY      */ "Tapez un nombre de pages par partie de 1 \xE0 %1.",
    /* TXT_MSG_NO_LEVEL       */ "Aucun signet de ce niveau ne m\xE8ne \xE0 une page de ce document.",
    /* TXT_MSG_BAD_PAGE       */ "Laissez la page vide pour joindre au document, ou tapez une page de 1 \xE0 %1.",
    /* TXT_MSG_NO_ATTACHMENTS */ "Ce document n'a pas de pi\xE8" "ce jointe.",
    /* TXT_MSG_PATH_TOO_LONG  */ "Ce chemin est trop long pour \xEAtre donn\xE9 \xE0 pdftk :\r\n%1",
};

const char* const szLang_en[TXT_COUNT] = {
    /* TXT_NONE               */ "",
    /* TXT_APP_NAME           */ "TANDREL",
    /* TXT_STATUS             */ "PDF Toolkit front-end for Windows",
    /* TXT_ABOUT              */ "TANDREL      (c) 2026 the TANDREL authors\r\n"
                                 "\r\n"
                                 "Windows front-end to pdftk: "
                                 "https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/\r\n"
                                 "Every PDF task a click away, with no command to type.\r\n"
                                 "\r\n"
                                 "Version " TANDREL_VERSION_TEXT "\r\n"
                                 "\r\n"
                                 "Information: see README.md in the TANDREL sources\r\n"
                                 "\r\n"
                                 "Tried with pdftk 3.3.3 (pdftk-java) on Windows 7 and 10 "
                                 "compatibility under Wine 8\r\n"
                                 "\r\n"
                                 "Built with MinGW-w64",
    /* TXT_TAB_SINGLE         */ "Single file",
    /* TXT_TAB_MULTI          */ "Multiple files",
    /* TXT_TAB_PAGES          */ "Pages",
    /* TXT_TAB_DOCUMENT       */ "Document",
    /* TXT_TAB_CONFIG         */ "Settings",
    /* TXT_TAB_ABOUT          */ "About",
    /* TXT_FRAME_ENCRYPT      */ "Encryption",
    /* TXT_ENCRYPT_40         */ "40 bits",
    /* TXT_ENCRYPT_128        */ "128 bits",
    /* TXT_FRAME_PASSWD       */ "Passwords",
    /* TXT_PASSWD_USER        */ "User",
    /* TXT_PASSWD_OWNER       */ "Owner",
    /* TXT_FRAME_AUTH         */ "Permissions",
    /* TXT_AUTH_ALL           */ "All below and top quality printing",
    /* TXT_AUTH_PRINT_TOP     */ "Top quality printing",
    /* TXT_AUTH_PRINT_LOW     */ "Lower quality printing",
    /* TXT_AUTH_MODIFY        */ "Modify contents and...",
    /* TXT_AUTH_ASSEMBLY      */ "Assembly",
    /* TXT_AUTH_COPY          */ "Copy contents and...",
    /* TXT_AUTH_READ          */ "Screenreaders",
    /* TXT_AUTH_CREATE        */ "Modify annotations and...",
    /* TXT_AUTH_FILLIN        */ "Fill in",
    /* TXT_BTN_ENCRYPT        */ "Crypt",
    /* TXT_BTN_BURST          */ "Burst",
    /* TXT_BTN_DUMP_DATA      */ "Dump data",
    /* TXT_BTN_BACKGROUND     */ "Background",
    /* TXT_BTN_REPAIR         */ "Repair",
    /* TXT_BTN_COMPRESS       */ "Re-compress",
    /* TXT_BTN_UNCOMPRESS     */ "Uncompress",
    /* TXT_BTN_DUMP_FIELDS    */ "Dump data flds.",
    /* TXT_BTN_CLOSE          */ "Close",
    /* TXT_PDF_SOURCE         */ "PDF file :",
    /* TXT_BTN_PDF_SOURCE     */ "...",
    /* TXT_BTN_DECRYPT        */ "Decrypt",
    /* TXT_FRAME_CAT          */ "Catalog",
    /* TXT_CAT_FROM           */ "From :",
    /* TXT_CAT_TO             */ "To :",
    /* TXT_CAT_ALL            */ "All",
    /* TXT_CAT_EVEN           */ "Even",
    /* TXT_CAT_ODD            */ "Odd",
    /* TXT_BTN_CAT            */ "Catalog",
    /* TXT_FRAME_DELETE       */ "Delete",
    /* TXT_DELETE_HELP        */ "Select pages you want to delete on the left list, "
                                 "then click the 'Delete' button below.",
    /* TXT_BTN_DELETE         */ "Delete",
    /* TXT_BTN_ADD_DIR        */ "Add dir.",
    /* TXT_BTN_ADD_PDF        */ "Add",
    /* TXT_BTN_REMOVE         */ "Delete",
    /* TXT_BTN_UP             */ "Up",
    /* TXT_BTN_DOWN           */ "Down",
    /* TXT_BTN_JOIN           */ "Join",
    /* TXT_LANG               */ "Language :",
    /* TXT_ZOOM               */ "Zoom :",
    /* TXT_MSG_NO_SOURCE      */ "Choose a PDF file first.",
    /* TXT_MSG_EMPTY_LIST     */ "Add at least one PDF file to the list.",
    /* TXT_MSG_JOIN_TWO       */ "Add at least two PDF files to the list.",
    /* TXT_MSG_NO_PASSWORD    */ "Type owner password and/or user password first.",
    /* TXT_MSG_SAME_PASSWORDS */ "User and owner passwords must be different.",
    /* TXT_MSG_NO_OWNER       */ "Type owner password first.",
    /* TXT_MSG_NO_PAGE        */ "No page found for this file.",
    /* TXT_MSG_OVERWRITE      */ "Result file already exists.\r\n\r\nOverwrite it ?",
    /* TXT_MSG_SAVE_SETTINGS  */ "Error saving settings.\r\n\r\n"
                                 "Your configuration file or directory may be write-protected.",
    /* TXT_MSG_DELETE_ALL     */ "A PDF file keeps at least one page: leave at least one page "
                                 "unselected.",
    /* TXT_MSG_JOIN_INPUT     */ "The joined file cannot replace one of the files to join."
                                 "\r\n\r\nChoose another name.",
    /* TXT_STATUS_PROGRESS    */ "%1 / %2 \x97 %3",
    /* TXT_STATUS_DONE        */ "Results written: %1 of %2.",
    /* TXT_STATUS_STOPPED     */ "Stopped. Results written: %1 of %2.",
    /* TXT_MSG_FAILED         */ "No result was written for:",
    /* TXT_MSG_FAILED_MORE    */ "... and %1 more.",
    /* TXT_MSG_NO_TOOL        */ "pdftk.exe was not found.\r\n\r\n"
                                 "Install PDFtk Server with its installer, or copy its whole "
                                 "bin folder (pdftk.exe and the files beside it) into the "
                                 "folder of TANDREL:\r\n%1\r\n\r\n"
                                 "TANDREL looked there, in the folders of the PATH variable "
                                 "and in:\r\n%2",
    /* TXT_FAIL_NOT_STARTED   */ "pdftk.exe could not be started.",
    /* TXT_FAIL_STATUS        */ "pdftk.exe stopped with the exit status %1.",
    /* TXT_FAIL_TOO_LONG      */ "The command line would be longer than Windows allows "
                                 "(32,767 characters).",
    /* TXT_FAIL_NO_NAME       */ "Its path is too long to name the result beside it.",
    /* TXT_FAIL_NO_FOLDER     */ "The folder for its pages cannot be made: %1",
    /* TXT_NAME_DELETE_LIST   */ "Pages to delete",
    /* TXT_NAME_FILE_LIST     */ "Files to join or work on",
    /* TXT_FILTER_PDF         */ "PDF files (*.pdf)",
    /* TXT_FILTER_ALL         */ "All files (*.*)",
    /* TXT_FOLDER_TITLE       */ "Choose a folder:",
    /* TXT_MSG_COUNT_FAILED   */ "The pages of this file could not be counted.\r\n\r\n%1",
    /* TXT_FAIL_REPLACES_INPUT */ "Its result would replace another listed file.",
    /* TXT_FAIL_NO_TEMP       */ "No temporary file can be made in the temporary folder.",
    /* TXT_SHUTDOWN_REASON    */ "TANDREL is finishing the file pdftk is working on.",
    /* TXT_TOOL_IN_USE        */ "pdftk in use: %1",
    /* TXT_TOOL_NONE          */ "pdftk.exe was not found.",
    /* TXT_FRAME_INTERLEAVE   */ "Interleave fronts and backs",
    /* TXT_BACKS              */ "Backs:",
    /* TXT_BACKS_REVERSE      */ "Backs in reverse order",
    /* TXT_BTN_INTERLEAVE     */ "Interleave",
    /* TXT_FRAME_RANGES       */ "Chosen pages",
    /* TXT_RANGES             */ "Pages:",
    /* TXT_TURN               */ "Angle:",
    /* TXT_TURN_EAST          */ "90\xB0 clockwise",
    /* TXT_TURN_SOUTH         */ "180\xB0",
    /* TXT_TURN_WEST          */ "90\xB0 anticlockwise",
    /* TXT_BTN_ROTATE         */ "Rotate",
    /* TXT_BTN_TAKE           */ "Take pages",
    /* TXT_MSG_NO_BACKS       */ "Choose the PDF file of the backs first.",
    /* TXT_MSG_NO_RANGES      */ "Type the pages first, for instance: 1-3 7 9-end",
    /* TXT_MSG_BAD_RANGE      */ "\"%1\" is not a range of pages of this document.\r\n\r\n"
                                 "For instance: 1-3 7 9-end r1 1-endodd",
    /* TXT_MSG_COUNTS_DIFFER  */ "The fronts have %1 pages and the backs %2.\r\n\r\n"
                                 "Interleave all the same? The pages left over come at the end.",
    /* TXT_MSG_SHUFFLE_INPUT  */ "The interleaved file cannot replace the fronts or the backs."
                                 "\r\n\r\nChoose another name.",
    /* TXT_FAIL_REPLACES_BACKGROUND */ "Its result would replace the background file.",
    /* TXT_FAIL_SAME_RESULT   */ "Another listed file gives the same result.",
    /* TXT_FAIL_NOT_STARTED_WHY */ "pdftk.exe could not be started: %1",
    /* TXT_MSG_NOT_OPENED     */ "These paths of the command line were not opened:",
    /* TXT_WHY_MISSING        */ "There is no file or folder of that name.",
    /* TXT_WHY_NOT_PDF        */ "It is neither a PDF file (.pdf) nor a folder.",
    /* TXT_WHY_CODE_PAGE      */ "This name cannot be given to pdftk as it is: the code page of "
                                 "Windows cannot spell some of its letters, or it is longer than "
                                 "259 characters in it.",
    /* TXT_MSG_KEPT_WITHOUT   */ "The result is written, but without its source's bookmarks and "
                                 "document information:",
    /* TXT_FAIL_NO_TEMP_HERE  */ "No temporary file can be made in the folder of the result.",
    /* TXT_FAIL_NO_STAND_IN   */ "This name cannot be given to pdftk: the code page of Windows "
                                 "cannot spell some of its letters, and no other name could stand "
                                 "in for it: %1",
    /* TXT_FAIL_NOT_PLACED    */ "Its result could not take its name: %1",
    /* TXT_STATUS_COPYING     */ "Copying %1 under a name pdftk can read\x85",
    /* TXT_DOC_SUMMARY        */ "%1 pages, %2 bookmarks",
    /* TXT_FRAME_INFO         */ "Information",
    /* TXT_INFO_TITLE         */ "Title",
    /* TXT_INFO_AUTHOR        */ "Author",
    /* TXT_INFO_SUBJECT       */ "Subject",
    /* TXT_INFO_KEYWORDS      */ "Keywords",
    /* TXT_BTN_SAVE_INFO      */ "Save information",
    /* TXT_FRAME_SPLIT        */ "Split into parts",
    /* TXT_SPLIT_EVERY        */ "Every",
    /* TXT_SPLIT_BOOKMARKS    */ "At bookmarks of level",
    /* TXT_SPLIT_PAGES        */ "pages",
    /* TXT_NAME_SPLIT_EVERY   */ "Pages a part",
    /* TXT_NAME_SPLIT_LEVEL   */ "Bookmark level",
    /* TXT_BTN_SPLIT          */ "Split",
    /* TXT_FRAME_ATTACH       */ "Attachments",
    /* TXT_BTN_ATTACH         */ "Attach files\x85",
    /* TXT_ATTACH_PAGE        */ "to page",
    /* TXT_BTN_EXTRACT        */ "Extract attachments",
    /* TXT_MSG_BAD_EVERY      */ "Type a number of pages a part from 1 to %1.",
    /* TXT_MSG_NO_LEVEL       */ "No bookmark of this level leads to a page of this document.",
    /* TXT_MSG_BAD_PAGE       */ "Leave the page empty to attach to the document, or type a page from 1 to %1.",
    /* TXT_MSG_NO_ATTACHMENTS */ "This document has no attachment.",
    /* TXT_MSG_PATH_TOO_LONG  */ "This path is too long to be given to pdftk:\r\n%1",
};
// clang-format on

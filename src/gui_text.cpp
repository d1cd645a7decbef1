// The interface texts of both languages, indexed as the controls and messages use them.
// Windows-1252 bytes written as escapes, so that no editor or compiler charset can alter them;
// an escape followed by a hex digit letter is split into two literals.
#include "gui.h"

const char* const szLang_fr[TANDREL_TEXT_COUNT] = {
    /*  0 */ "",
    /*  1 */ "TANDREL",
    /*  2 */ "Interface Windows pour le PDF Toolkit",
    /*  3 */ "TANDREL    (c) 2026 les auteurs de TANDREL\r\n"
             "\r\n"
             "Interface Windows pour pdftk : "
             "https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/\r\n"
             "Chaque t\xE2" "che PDF \xE0 un clic, sans aucune commande \xE0 taper.\r\n"
             "\r\n"
             "Version 1.0.0\r\n"
             "\r\n"
             "Informations : voir README.md dans les sources de TANDREL\r\n"
             "\r\n"
             "Essay\xE9 avec pdftk 3.3.3 (pdftk-java) en compatibilit\xE9 "
             "Windows 7 et 10 sous Wine 8\r\n"
             "\r\n"
             "Compil\xE9 avec MinGW-w64",
    /*  4 */ "Fichier unique",
    /*  5 */ "Plusieurs fichiers",
    /*  6 */ "Configuration",
    /*  7 */ "A propos",
    /*  8 */ "Chiffrement",
    /*  9 */ "sur 40 bits",
    /* 10 */ "sur 128 bits",
    /* 11 */ "Mots de passe",
    /* 12 */ "Utilisateur",
    /* 13 */ "Principal",
    /* 14 */ "Autorisations",
    /* 15 */ "Tout autoriser",
    /* 16 */ "Impression sans restriction",
    /* 17 */ "Impression basse r\xE9solution",
    /* 18 */ "Modification du contenu et...",
    /* 19 */ "Assemblage",
    /* 20 */ "Copie/extraction du contenu et...",
    /* 21 */ "Accessibilit\xE9",
    /* 22 */ "Commentaire et champs de saisie et...",
    /* 23 */ "Remplissage de formulaire",
    /* 24 */ "Chiffrer",
    /* 25 */ "Dissocier",
    /* 26 */ "Info. PDF",
    /* 27 */ "Filigrane",
    /* 28 */ "R\xE9parer",
    /* 29 */ "Re-compresser",
    /* 30 */ "D\xE9" "compresser",
    /* 31 */ "Infos. champs",
    /* 32 */ "Quitter",
    /* 33 */ "Fichier PDF :",
    /* 34 */ "...",
    /* 35 */ "D\xE9" "chiffrer",
    /* 36 */ "S\xE9lection",
    /* 37 */ "De :",
    /* 38 */ "\xE0 :",
    /* 39 */ "Toutes",
    /* 40 */ "Paires",
    /* 41 */ "Impaires",
    /* 42 */ "S\xE9lectionner",
    /* 43 */ "Suppression",
    /* 44 */ "S\xE9lectionner les pages que vous souhaitez supprimer dans la liste \xE0 gauche, "
             "puis cliquer sur le bouton 'Supprimer' ci-dessous.",
    /* 45 */ "Supprimer",
    /* 46 */ "Ajout r\xE9p.",
    /* 47 */ "Ajouter",
    /* 48 */ "Supprimer",
    /* 49 */ "Monter",
    /* 50 */ "descendre",
    /* 51 */ "Assembler",
    /* 52 */ "Langue :",
    /* 53 */ "Zoom :",
    /* 54 */ "Vous devez d'abord choisir un fichier PDF.",
    /* 55 */ "Vous devez ajouter au moins un fichier PDF dans la liste.",
    /* 56 */ "Vous devez ajouter au moins deux fichiers PDF dans la liste.",
    /* 57 */ "Vous devez saisir un mot de passe principal et/ou un mot de passe utilisateur.",
    /* 58 */ "Le mot de passe principal et le mot de passe utilisateur "
             "doivent \xEAtre diff\xE9rents.",
    /* 59 */ "Vous devez saisir un mot de passe principal.",
    /* 60 */ "Aucune page trouv\xE9" "e pour ce fichier.",
    /* 61 */ "Le fichier r\xE9sultant existe d\xE9j\xE0.\r\n\r\n"
             "Voulez-vous l'\xE9" "craser quand m\xEAme ?",
    /* 62 */ "Erreur \xE0 la sauvegarde de la configuration.\r\n\r\n"
             "Votre fichier de configuration ou votre r\xE9pertoire est peut-\xEAtre prot\xE9g\xE9 "
             "en \xE9" "criture.",
};

const char* const szLang_en[TANDREL_TEXT_COUNT] = {
    /*  0 */ "",
    /*  1 */ "TANDREL",
    /*  2 */ "PDF Toolkit front-end for Windows",
    /*  3 */ "TANDREL      (c) 2026 the TANDREL authors\r\n"
             "\r\n"
             "Windows front-end to pdftk: https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/\r\n"
             "Every PDF task a click away, with no command to type.\r\n"
             "\r\n"
             "Version 1.0.0\r\n"
             "\r\n"
             "Information: see README.md in the TANDREL sources\r\n"
             "\r\n"
             "Tried with pdftk 3.3.3 (pdftk-java) on Windows 7 and 10 "
             "compatibility under Wine 8\r\n"
             "\r\n"
             "Built with MinGW-w64",
    /*  4 */ "Single file",
    /*  5 */ "Multiple files",
    /*  6 */ "Settings",
    /*  7 */ "About",
    /*  8 */ "Encryption",
    /*  9 */ "40 bits",
    /* 10 */ "128 bits",
    /* 11 */ "Passwords",
    /* 12 */ "User",
    /* 13 */ "Owner",
    /* 14 */ "Permissions",
    /* 15 */ "All below and top quality printing",
    /* 16 */ "Top quality printing",
    /* 17 */ "Lower quality printing",
    /* 18 */ "Mofify contents and...",
    /* 19 */ "Assembly",
    /* 20 */ "Copy contents and...",
    /* 21 */ "Screenreaders",
    /* 22 */ "Modify annotations and...",
    /* 23 */ "Fill in",
    /* 24 */ "Crypt",
    /* 25 */ "Burst",
    /* 26 */ "Dump data",
    /* 27 */ "Background",
    /* 28 */ "Repair",
    /* 29 */ "Re-compress",
    /* 30 */ "Uncompress",
    /* 31 */ "Dump data flds.",
    /* 32 */ "Close",
    /* 33 */ "PDF file :",
    /* 34 */ "...",
    /* 35 */ "Decrypt",
    /* 36 */ "Catalog",
    /* 37 */ "From :",
    /* 38 */ "To :",
    /* 39 */ "All",
    /* 40 */ "Even",
    /* 41 */ "Odd",
    /* 42 */ "Catalog",
    /* 43 */ "Delete",
    /* 44 */ "Select pages you want to delete on the left list, "
             "then click the 'Delete' button below.",
    /* 45 */ "Delete",
    /* 46 */ "Add dir.",
    /* 47 */ "Add",
    /* 48 */ "Delete",
    /* 49 */ "Up",
    /* 50 */ "Down",
    /* 51 */ "Join",
    /* 52 */ "Language :",
    /* 53 */ "Zoom :",
    /* 54 */ "Choose a PDF file first.",
    /* 55 */ "Add at least one PDF file to the list.",
    /* 56 */ "Add at least two PDF files to the list.",
    /* 57 */ "Type owner password and/or user password first.",
    /* 58 */ "User and owner passwords must be different.",
    /* 59 */ "Type owner password first.",
    /* 60 */ "No page found for this file.",
    /* 61 */ "Result file already exists.\r\n\r\nOverwrite it ?",
    /* 62 */ "Error saving settings.\r\n\r\n"
             "Your configuration file or directory may be write-protected.",
};

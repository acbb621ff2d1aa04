; The installer's languages and its own texts, completed at build time from the game's catalogues
; (desktop/tools/translate_desktop): NSIS's translation of its pages for every language the game
; speaks, and ours of the texts below. The installer speaks the one of Windows' display language.
!insertmacro MUI_LANGUAGE "English"
LangString RemoveScores ${LANG_ENGLISH} "Also remove your high scores (hiscore.mdb) and your settings?"
LangString GameRunning ${LANG_ENGLISH} "Tavlora is running from this folder. Close the game, then choose Retry."
LangString FolderNotWritable ${LANG_ENGLISH} "You cannot write to this folder. Choose a folder of your own."

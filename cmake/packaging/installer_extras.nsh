; What the installer and uninstaller do beyond CPack's own script, which includes this file
; near its top (see Packaging.cmake): the file associations box, unticked, and the question
; about the user's settings when uninstalling.
!include LogicLib.nsh

; The installer holds no file times: the files CPack writes as it makes the installer would
; otherwise bring the time of the build into it. Installed files take the time of installing.
SetDateSave off
!include FileFunc.nsh
!include Sections.nsh

!define VEBO_CLASSES "Software\Classes"
!define VEBO_PROGID "Tessaril.VeboWAVE"
; The player takes its whole command line as the path, quotes and all: %1 goes unquoted,
; and a path with blanks still arrives whole.
!define VEBO_OPEN_COMMAND '"$INSTDIR\VeboWAVE.exe" %1'

; VeboWAVE is offered under "Open with" and never made the default program of a type.
!macro VeboOfferFor extension
  WriteRegNone SHCTX "${VEBO_CLASSES}\${extension}\OpenWithProgids" "${VEBO_PROGID}"
  WriteRegStr SHCTX "${VEBO_CLASSES}\Applications\VeboWAVE.exe\SupportedTypes" "${extension}" ""
!macroend

; Takes back what VeboOfferFor added; keys it had to create go only when nothing else is in them.
!macro VeboWithdrawFrom extension
  DeleteRegValue SHCTX "${VEBO_CLASSES}\${extension}\OpenWithProgids" "${VEBO_PROGID}"
  DeleteRegKey /ifempty SHCTX "${VEBO_CLASSES}\${extension}\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "${VEBO_CLASSES}\${extension}"
!macroend

!macro VeboNotifyShell
  ; SHCNE_ASSOCCHANGED: Explorer reloads its associations.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; A box on the components page and nothing more; the section after it does the work.
Section /o "File associations" VeboAssociations
SectionEnd

; A silent install shows no components page: the /ASSOCIATE switch ticks the box instead.
Section "-Register the file associations"
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ASSOCIATE" $R1
  ${If} ${Silent}
  ${AndIfNot} ${Errors}
    !insertmacro SelectSection ${VeboAssociations}
  ${EndIf}
  ${If} ${SectionIsSelected} ${VeboAssociations}
    WriteRegStr SHCTX "${VEBO_CLASSES}\${VEBO_PROGID}" "" "VeboWAVE media file"
    WriteRegStr SHCTX "${VEBO_CLASSES}\${VEBO_PROGID}\DefaultIcon" "" "$INSTDIR\VeboWAVE.exe,0"
    WriteRegStr SHCTX "${VEBO_CLASSES}\${VEBO_PROGID}\shell\open\command" "" '${VEBO_OPEN_COMMAND}'
    WriteRegStr SHCTX "${VEBO_CLASSES}\Applications\VeboWAVE.exe\shell\open\command" "" \
      '${VEBO_OPEN_COMMAND}'
    !insertmacro VeboOfferFor ".wav"
    !insertmacro VeboOfferFor ".mid"
    !insertmacro VeboOfferFor ".avi"
    !insertmacro VeboOfferFor ".mov"
    !insertmacro VeboOfferFor ".bmp"
    !insertmacro VeboNotifyShell
  ${EndIf}
SectionEnd

; Uninstalling: everything named after the program is ours, whether or not the box was ticked.
!macro VeboRemoveAssociations
  DeleteRegKey SHCTX "${VEBO_CLASSES}\${VEBO_PROGID}"
  DeleteRegKey SHCTX "${VEBO_CLASSES}\Applications\VeboWAVE.exe"
  !insertmacro VeboWithdrawFrom ".wav"
  !insertmacro VeboWithdrawFrom ".mid"
  !insertmacro VeboWithdrawFrom ".avi"
  !insertmacro VeboWithdrawFrom ".mov"
  !insertmacro VeboWithdrawFrom ".bmp"
  !insertmacro VeboNotifyShell
!macroend

; The settings belong to the user: they go only on a Yes, and a silent uninstall keeps them.
!define VEBO_SETTINGS_QUESTION "Remove your VeboWAVE and VeboCALC settings as well?"
!define VEBO_SETTINGS_WHAT "(The window places, the calculator's last value and its memory.)"
!macro VeboOfferSettingsRemoval
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "${VEBO_SETTINGS_QUESTION}$\n$\n${VEBO_SETTINGS_WHAT}" /SD IDNO IDNO vebo_settings_kept
  DeleteRegKey HKCU "Software\Tessaril\VeboWAVE"
  DeleteRegKey HKCU "Software\Tessaril\VeboCALC"
  DeleteRegKey /ifempty HKCU "Software\Tessaril"
  vebo_settings_kept:
!macroend

; CPack's uninstaller removes the install folder and its own key but not the vendor's folder
; and key around them; they go too when nothing else is left in them. The folder goes last:
; once it is gone, the uninstaller is done.
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX "Software\Tessaril"
  RMDir "$PROGRAMFILES\Tessaril"
FunctionEnd

# The layers of the sources, from the bottom: each folder with the folders right below it, which it
# (and the folders above it) may include; a folder may include itself and, through this table, every
# folder below it, nothing else. The libraries link the same way (Program.cmake, platform/ and
# control/); CheckLayers.cmake holds every project include to it.
set(KESTA_LAYERS
  "platform/base:"
  "platform/desktop:platform/base"
  "platform/com:platform/desktop"
  "platform/services:platform/desktop"
  "platform/framework:platform/desktop"
  # The program stands on the whole platform.
  "resources:platform/com,platform/services,platform/framework"
  "foundation:platform/com,platform/services,platform/framework"
  "model:foundation"
  "model/dialogs:model"
  "app:model/dialogs,resources"
  "treeview:app"
  "textarea:app"
  "convert:app"
  "views:app"
  # The preview's web view, a module the views load at run time.
  "views/webview:views"
  "online:app"
  "shell:treeview,textarea,convert,views,online"
  # The control stands apart, on the platform's pieces that libkplatform.so holds.
  "control:platform/com"
  "control/window:control"
  "control/component:control/window"
  "control/pages:control/component"
  "control/module:control/pages")
# Test and benchmark programs may include their own helpers and every layer; what they link decides
# which layers they reach.
set(KESTA_HARNESS_FOLDERS tests bench)

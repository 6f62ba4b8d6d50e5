#!/usr/bin/env bash
# Starts Qt Designer with the tesselide plug-in (run under xvfb-run), checks
# that the plug-in loaded without an error, and writes a screenshot.
#   designer_smoke.sh PLUGIN_DIR SCREENGRAB OUTPUT.png [FORM.ui]
set -u
plugins=$1 grab=$2 out=$3 form=${4:-}
designer=$(command -v designer || echo /usr/lib/qt6/bin/designer)
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# A fresh settings folder: Designer in docked mode with the standard widget
# box groups closed, so that the group "Corvella" is in view.
mkdir -p "$work/config/QtProject"
cat > "$work/config/QtProject/Designer.conf" <<'CONF'
[UI]
currentMode=2
[WidgetBox]
Closed%20categories=Layouts, Spacers, Buttons, Item Views (Model-Based), Item Widgets (Item-Based), Containers, Input Widgets, Display Widgets
CONF

XDG_CONFIG_HOME=$work/config QT_PLUGIN_PATH=$plugins QT_DEBUG_PLUGINS=1 QT_QPA_PLATFORM=xcb \
  timeout 120 "$designer" $form > "$work/log" 2>&1 &
pid=$!

# Designer is up once it has loaded the plug-in and drawn its windows.
for _ in $(seq 1 60); do
  grep -q "libtesselide" "$work/log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
  echo "Designer exited early:"; cat "$work/log"; exit 1
fi
QT_QPA_PLATFORM=xcb "$grab" "$out" || { echo "no screenshot"; exit 1; }

status=0
if ! grep -q "libtesselide" "$work/log"; then
  echo "Designer did not look at the plug-in:"; status=1
fi
if grep -iE "tesselide.*(cannot|failed|error|mismatch)|(cannot|failed).*tesselide" "$work/log"; then
  echo "The plug-in failed to load:"; status=1
fi
[ $status -ne 0 ] && grep -i -B2 -A2 tesselide "$work/log"
echo "screenshot: $out"
exit $status

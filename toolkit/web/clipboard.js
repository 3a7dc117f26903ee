// The clipboard: a box's text written to it, and left selected in the box in any case, so that
// where the browser refuses (no permission, an old engine, a page from file://) Ctrl+C still
// copies it.
export function copyText(node, text) {
  if (!node) return;
  node.focus();
  node.select();
  const byHand = () => {
    try {
      document.execCommand('copy');
    } catch {
      // the text stays selected for the pupil's own copy
    }
  };
  try {
    if (!navigator.clipboard) byHand();
    else navigator.clipboard.writeText(text).catch(byHand);
  } catch {
    byHand();
  }
}

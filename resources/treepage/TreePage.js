(function () {
  var tree = document.getElementById('tree');
  var bar = document.getElementById('dragbar');
  var ghost = document.getElementById('ghostbar');
  var area = document.getElementById('textarea');
  var frame = document.getElementById('frame');

  // The list nested in a parent item: shown for "[-]", hidden for "[+]".
  function showChildren(item) {
    var expand = item.querySelector('a.expand');
    var lists = item.getElementsByTagName('ul');
    var next = item.nextElementSibling;
    var list = lists.length ? lists[0] : (next && next.tagName === 'UL' ? next : null);
    if (expand && list) list.style.display = expand.textContent === '[-]' ? '' : 'none';
  }

  var parents = document.getElementsByClassName('parent');
  for (var i = 0; i < parents.length; i++) showChildren(parents[i]);

  tree.addEventListener('click', function (e) {
    var link = e.target.closest ? e.target.closest('a') : e.target;
    if (!link) return;
    if (link.classList.contains('expand')) {
      e.preventDefault();
      link.textContent = link.textContent === '[+]' ? '[-]' : '[+]';
      showChildren(link.parentNode);
    } else if (link.classList.contains('title')) {
      var selected = tree.getElementsByClassName('selecttree');
      while (selected.length) selected[0].classList.remove('selecttree');
      link.classList.add('selecttree');
    }
  });

  function stacked() { return bar.getBoundingClientRect().left === 0; }
  function setCursor() {
    var cursor = stacked() ? 'row-resize' : 'col-resize';
    bar.style.cursor = cursor;
    ghost.style.cursor = cursor;
  }
  setCursor();
  window.addEventListener('resize', setCursor);

  var dragging = false;
  function point(e, shifted) {
    var p = e.touches && e.touches.length ? e.touches[0] : (e.changedTouches ? e.changedTouches[0] : e);
    var x = p.clientX, y = p.clientY;
    if (shifted) {
      var r = frame.getBoundingClientRect();
      x += r.left;
      y += r.top;
    }
    return { x: x, y: y };
  }
  function start(e) {
    dragging = true;
    setCursor();
    ghost.style.display = 'block';
    move(e, false);
    e.preventDefault();
  }
  function move(e, shifted) {
    if (!dragging) return;
    var p = point(e, shifted);
    if (stacked()) {
      ghost.style.left = '0';
      ghost.style.top = p.y + 'px';
    } else {
      ghost.style.top = '0';
      ghost.style.left = p.x + 'px';
    }
  }
  function end(e, shifted) {
    if (!dragging) return;
    dragging = false;
    ghost.style.display = 'none';
    var p = point(e, shifted);
    if (stacked()) {
      tree.style.height = p.y + 'px';
      area.style.height = (window.innerHeight - p.y) + 'px';
    } else {
      tree.style.width = p.x + 'px';
      area.style.width = (window.innerWidth - p.x) + 'px';
    }
  }
  bar.addEventListener('mousedown', start);
  bar.addEventListener('touchstart', start);
  document.addEventListener('mousemove', function (e) { move(e, false); });
  document.addEventListener('touchmove', function (e) { move(e, false); });
  document.addEventListener('mouseup', function (e) { end(e, false); });
  document.addEventListener('touchend', function (e) { end(e, false); });
  // Over the frame the pointer belongs to the page inside it: follow it there as well.
  frame.addEventListener('load', function () {
    var inner;
    try { inner = frame.contentWindow.document; } catch (err) { return; }
    inner.addEventListener('mousemove', function (e) { move(e, true); });
    inner.addEventListener('touchmove', function (e) { move(e, true); });
    inner.addEventListener('mouseup', function (e) { end(e, true); });
    inner.addEventListener('touchend', function (e) { end(e, true); });
  });
})();
